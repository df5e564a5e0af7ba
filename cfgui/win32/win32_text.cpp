#include "cfgui/win32/win32_text.h"

#include "platform/win32/wide_text.h"

namespace k7r::cfgui::win32 {

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return platform::Narrow(text);
}

void SetWindowUtf8Text(HWND window, std::string_view text) {
    SetWindowTextW(window, platform::Widen(text).c_str());
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
