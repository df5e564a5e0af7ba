#pragma once

#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::regs {

// "640x480x8bpp 60Hz Color 18-Bit TFT (PCLK=25.175MHz)"
std::string FormatModeString(config::WorkingConfig& config);

} // namespace k7r::regs
