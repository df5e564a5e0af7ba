#pragma once

#include <windows.h>

namespace k7r::cfgui::win32 {

// Attaches a slider (a progress bar of a page's template) to an edit field:
// wParam the step, lParam the edit field's window. PBM_SETSTEP sets the step
// as well.
inline constexpr UINT kSliderAttach = WM_USER + 100;

// The progress bar class of this program, widened by one pointer for the
// slider's state and handled as a slider; restored at exit.
bool WidenSliderClass(HINSTANCE instance);
void RestoreSliderClass(HINSTANCE instance);

} // namespace k7r::cfgui::win32
