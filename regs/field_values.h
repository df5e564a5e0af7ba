#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::regs {

// The settings as the pages and the command line see them, read and changed
// through the register layer (register_access.h).

// Field level, by setting id. An id that no record has gives 0, false or an
// empty text and changes nothing.
std::uint32_t GetFieldValue(config::WorkingConfig& config, std::uint32_t id);
// True when the requested value differs from the value read before.
bool SetFieldValue(config::WorkingConfig& config, std::uint32_t id, std::uint32_t value);
std::uint32_t GetFieldMin(config::WorkingConfig& config, std::uint32_t id);
std::uint32_t GetFieldMax(config::WorkingConfig& config, std::uint32_t id);
std::optional<std::string> GetFieldListText(config::WorkingConfig& config, std::uint32_t id,
                                            std::uint32_t item);
std::string FormatFieldValue(config::WorkingConfig& config, std::uint32_t id);
// Stores at most 255 characters as the description (id 1 only); returns the
// number stored.
std::size_t SetDescriptionText(config::WorkingConfig& config, std::uint32_t id,
                               std::string_view text);

// The value and its text for one particular record (ids 25 and 26 have two).
std::uint32_t GetRecordValue(config::WorkingConfig& config, std::size_t record);
std::string FormatRecordValue(config::WorkingConfig& config, std::size_t record);

} // namespace k7r::regs
