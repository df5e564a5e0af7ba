#pragma once

#include "panels/panel_def.h"

namespace k7r::panels {

// Whether a file entry describes the configuration given as other (built
// from the current settings). Members the entry or the configuration leaves
// open (negative) match anything; the line pulse start may be given either
// from the start of the line or from the end of the display period.
bool PanelDefMatches(const PanelDef& entry, const PanelDef& other);

} // namespace k7r::panels
