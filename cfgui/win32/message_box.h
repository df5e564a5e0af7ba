#pragma once

#include "cfgui/page.h"

#include <windows.h>

#include <string>

namespace k7r::cfgui::win32 {

// The title of every message box of the utility.
inline constexpr const char* kMessageTitle = "58C22CFG";

// A message box titled "58C22CFG", owned by and centred over the main window
// when there is one, else over `owner`. Returns the button pressed. The text
// is shown literally.
int ShowMessage(HWND owner, UINT style, const std::string& text);

// The message box style of the icon.
UINT IconStyle(MessageIcon icon);

// Moves the window so that its centre is the parent's, as far as the
// screen allows.
void CentreOver(HWND window, HWND parent);

// Where message boxes go from now on; null when the main window is gone.
void SetMessageOwner(HWND mainWindow);

} // namespace k7r::cfgui::win32
