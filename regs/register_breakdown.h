#pragma once

#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::regs {

// The fields of one register entry with their values, for the Registers tab.
std::string RegisterBreakdown(config::WorkingConfig& config, int position);

} // namespace k7r::regs
