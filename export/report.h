#pragma once

#include <string>
#include <string_view>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::panels {
class PanelDefList;
} // namespace k7r::panels

namespace k7r::exporter {

// A configuration report to attach to a review: one self-contained HTML
// page (no scripts, nothing beside it) with the file and its record's
// description, the mode and the predefined panel it matches, the
// diagnostics the utility shows, the panel timing diagram and the clock
// tree, and the settings as the pages show them, page by page, with the
// Registers page's table. LF line ends.
std::string ConfigurationReport(config::WorkingConfig& config, const panels::PanelDefList& panels,
                                std::string_view fileName);

} // namespace k7r::exporter
