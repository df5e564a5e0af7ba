#pragma once

#include <windows.h>

#include <string>

namespace k7r::cfgui::win32 {

// A window's text, whatever its length.
std::string WindowText(HWND window);
// The window's class name, such as "Edit" or "ComboBox".
std::string ClassName(HWND window);
bool HasClass(HWND window, const char* name);

} // namespace k7r::cfgui::win32
