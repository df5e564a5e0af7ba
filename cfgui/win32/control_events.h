#pragma once

#include "cfgui/page.h"

#include <windows.h>

#include <optional>

namespace k7r::cfgui::win32 {

// What a control's WM_COMMAND notification means to page and dialog logic;
// nothing for notifications the logic does not take.
std::optional<ControlEvent> ControlEventOf(HWND control, UINT code);

// The same for a modal dialog's WM_COMMAND, where OK and Cancel also come
// from the keyboard and the close box, without a control or a code.
std::optional<ControlEvent> DialogCommandEvent(WPARAM wParam, LPARAM lParam);

} // namespace k7r::cfgui::win32
