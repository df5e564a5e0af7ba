#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace k7r::cfgui::win32 {

// A window's text, whatever its length, in UTF-8.
std::string WindowText(HWND window);
// Sets it from UTF-8, through the wide-character call, so that a file name
// in any script shows as it is.
void SetWindowUtf8Text(HWND window, std::string_view text);
// The window's class name, such as "Edit" or "ComboBox".
std::string ClassName(HWND window);
bool HasClass(HWND window, const char* name);

} // namespace k7r::cfgui::win32
