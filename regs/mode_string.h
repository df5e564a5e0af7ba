#pragma once

#include <string>

namespace k7r {

struct WorkingConfig;

// "640x480x8bpp 60Hz Color 18-Bit TFT (PCLK=25.175MHz)"
std::string FormatModeString(WorkingConfig& config);

} // namespace k7r
