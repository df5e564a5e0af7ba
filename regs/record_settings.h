#pragma once

#include <cstddef>
#include <cstdint>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// Operations that kFieldTable carries for the record's own settings. Each
// receives the position of its own record, so one operation serves every
// record of a kind.
namespace k7r::regs {

// HAL_STRUCT header fields and flags (ids 1 to 18).
std::uint32_t GetRecordSetting(config::WorkingConfig& config, std::size_t record);
void SetRecordSetting(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
std::uint32_t MaxDescription(config::WorkingConfig& config, std::size_t record);

} // namespace k7r::regs
