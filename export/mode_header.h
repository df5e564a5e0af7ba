#pragma once

#include "config/working_config.h"

#include <cstdint>
#include <string>

// A generated file, built in memory with LF line ends. It reads the working
// configuration through the settings engine; the position hint that keeps is
// why it takes it non-const.
namespace k7r::exporter {

// "mode%u.h": the mode table of a WinCE display driver.
std::string ExportModeHeader(config::WorkingConfig& config, unsigned modeNumber,
                             std::uint32_t modeFlags, unsigned build);

} // namespace k7r::exporter
