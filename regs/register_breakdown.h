#pragma once

#include <string>

namespace k7r {

struct WorkingConfig;

// The fields of one register entry with their values, for the Registers tab.
std::string RegisterBreakdown(WorkingConfig& config, int position);

} // namespace k7r
