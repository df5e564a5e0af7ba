#pragma once

#include "config/working_config.h"

#include <string>

// A generated file, built in memory with LF line ends.
namespace k7r::exporter {

// "chip.h": register names and offsets; only the chip id comes from the
// configuration.
std::string ExportChipHeader(const config::WorkingConfig& config, unsigned build);

} // namespace k7r::exporter
