#pragma once

#include <windows.h>

#include <string>

namespace k7r::cfgui::win32 {

// " Version 2.00" from the program's version resource; empty when it cannot
// be read.
std::string ProductVersionText();

// The modal About box over the owner.
void ShowAboutBox(HWND owner);

} // namespace k7r::cfgui::win32
