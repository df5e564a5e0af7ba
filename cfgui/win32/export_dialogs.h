#pragma once

#include "cfgui/dialogs/export_dialog.h"

#include <windows.h>

namespace k7r::cfgui::win32 {

// File Export: the Export dialog, then, for the kind chosen, the save
// dialog with its Preview and Options buttons, then the file written.
void RunExportDialogs(HWND owner, ExportServices& services);

} // namespace k7r::cfgui::win32
