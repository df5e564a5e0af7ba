#pragma once

#include "edit/edit_result.h"

namespace k7r::cfgui {

class PageContext;

// How a page shows what a change through the editing core did.

// A change that altered a setting, or that carries a note or warning, is
// reported with flag 2, so the diagnostics pane shows it with the
// configuration's current validation.
void ReportChange(PageContext& context, int control, const edit::EditResult& result);

// An entry typed into a field and left: a refused one goes to ReportBadEntry
// (the field keeps the focus and the lock until it is fixed) when the core
// refused the entry itself, else the core's reason is reported as an error
// and the field shows the setting again. An accepted one is shown as the
// core wrote it back, its lock released, the change reported.
void ShowFieldEntry(PageContext& context, int control, const edit::EditResult& result);

// A button or list choice: a refusal is reported as an error, and the page
// shows the setting again. True when the choice was accepted and reported.
bool ShowChoice(PageContext& context, int control, const edit::EditResult& result);

} // namespace k7r::cfgui
