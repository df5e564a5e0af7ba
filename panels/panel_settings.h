#pragma once

#include "panels/panel_def.h"
#include "panels/panel_def_list.h"

#include <cstddef>
#include <optional>
#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::panels {

// What choosing a predefined panel did, for the Panel page and the command
// line to show.
struct PanelApplication {
    // False for a disqualified entry (debug mode): nothing was changed and
    // report holds the reason, to be shown as an error.
    bool applied = false;
    // The reason above, or after applying "Could not change pixel clock to
    // \"%s\"\n." when no pixel clock line reaches the panel's clock; the
    // panel's other values are applied all the same.
    std::string report;
    // The line of the pixel clock list that is now current.
    std::optional<std::size_t> pixelClockLine;
};

// Writes the entry's type, size, data format and timings into the settings,
// finds its pixel clock (switching CLKI2 to it when no divide of the current
// source reaches it), and brings the layout and frame rate up to date.
PanelApplication ApplyPredefinedPanel(config::WorkingConfig& config, const PanelDef& def);

// The current settings described as a panel entry, for matching.
PanelDef PanelDefFromSettings(config::WorkingConfig& config);

// The entry that describes the current settings: the previously selected one
// when it still does, else the first that does. Disqualified entries never
// match. Nothing means "Custom panel".
std::optional<std::size_t> MatchPredefinedPanel(config::WorkingConfig& config,
                                                const PanelDefList& list,
                                                std::optional<std::size_t> previous);

} // namespace k7r::panels
