#pragma once

#include "cfgui/modal_dialog.h"

#include <windows.h>

namespace k7r::cfgui::win32 {

// Runs a page's modal dialog from its template, centred over the owner:
// its controls reach the logic as a View, OK ends it only once the logic
// accepts (a refusal shows in a message box over the dialog and the focus
// goes back to the control named), Cancel ends it. True when it ended with
// OK.
bool RunModalDialog(HWND owner, ModalDialog& dialog);

} // namespace k7r::cfgui::win32
