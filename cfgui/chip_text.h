#pragma once

#include <string>
#include <string_view>

namespace k7r::cfgui {

// The chip's short identifier, which every label and tooltip names in place
// of "%s".
inline constexpr std::string_view kChipId = "58C22";

// The text with each "%s" replaced by the chip's short identifier.
std::string FillChipId(std::string_view text);

} // namespace k7r::cfgui
