#pragma once

#include "config/working_config.h"

#include <string>

// A generated file, built in memory with LF line ends. It reads the working
// configuration through the settings engine; the position hint that keeps is
// why it takes it non-const.
namespace k7r::exporter {

// "appcfg.h": one initialised, configured HAL_STRUCT for programs built from
// source.
std::string ExportAppCfg(config::WorkingConfig& config, unsigned build);

} // namespace k7r::exporter
