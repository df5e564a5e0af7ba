#pragma once

#include "config/working_config.h"

#include <cstdint>
#include <string>

// The generated files, each built in memory with LF line ends. They read
// the working configuration through the settings engine; the position hint
// it keeps is why they take it non-const.
namespace k7r {

// "appcfg.h": one initialised, configured HAL_STRUCT for programs built from
// source.
std::string ExportAppCfg(WorkingConfig& config, unsigned build);

// "chip.h": register names and offsets; only the chip id comes from the
// configuration.
std::string ExportChipHeader(const WorkingConfig& config, unsigned build);

// "mode%u.h": the mode table of a WinCE display driver.
std::string ExportModeHeader(WorkingConfig& config, unsigned modeNumber, std::uint32_t modeFlags,
                             unsigned build);

// "k7r58c22.h": geometry, addresses and an instantiable register table for
// any driver.
std::string ExportGenericHeader(WorkingConfig& config, unsigned build, std::uint32_t modeFlags);

// "k7r58c22.csv": the register table, two entries to a line.
std::string ExportCsv(WorkingConfig& config, unsigned build);

// "k7r58c22.html": the register quick reference; it depends on the register
// and field tables only.
std::string ExportHtml(unsigned build);

} // namespace k7r
