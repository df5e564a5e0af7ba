#pragma once

#include "config/working_config.h"

#include <cstdint>
#include <string>

// A generated file, built in memory with LF line ends. It reads the working
// configuration through the settings engine; the position hint that keeps is
// why it takes it non-const.
namespace k7r::exporter {

// "k7r58c22.h": geometry, addresses and an instantiable register table for
// any driver.
std::string ExportGenericHeader(config::WorkingConfig& config, unsigned build,
                                std::uint32_t modeFlags);

} // namespace k7r::exporter
