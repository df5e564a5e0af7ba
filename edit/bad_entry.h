#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// How a refused entry is worded, by the utility's pages and the command line
// alike: the text as typed and the setting's short name.
namespace k7r::edit {

// "ERROR: \"%s\" is not a valid %s!\n"
std::string BadEntryMessage(std::string_view text, std::uint32_t id);

// "ERROR: \"%s\" is not a valid %s (must be between %d and %d)!\n". The
// bounds are printed unsigned: a 32-bit maximum is no negative number.
std::string BadEntryMessage(std::string_view text, std::uint32_t id, std::uint32_t min,
                            std::uint32_t max);

} // namespace k7r::edit
