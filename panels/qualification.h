#pragma once

#include "panels/panel_def.h"

#include <optional>
#include <string>

namespace k7r::panels {

// Why this chip cannot drive the panel, as one line ending in a full stop
// and a newline; nothing when it can. A panel without a pixel clock has no
// usable timings, whatever else it describes.
std::optional<std::string> DisqualifyPanel(const PanelDef& def);

} // namespace k7r::panels
