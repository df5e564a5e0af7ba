#include "cfgui/win32/win32_text.h"

namespace k7r::cfgui::win32 {

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool HasClass(HWND window, const char* name) {
    return lstrcmpiA(ClassName(window).c_str(), name) == 0;
}

} // namespace k7r::cfgui::win32
