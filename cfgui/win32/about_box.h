#pragma once

#include <windows.h>

namespace k7r::cfgui::win32 {

// The modal About box over the owner.
void ShowAboutBox(HWND owner);

} // namespace k7r::cfgui::win32
