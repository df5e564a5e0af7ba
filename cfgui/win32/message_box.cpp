#include "cfgui/win32/message_box.h"

#include "platform/win32/wide_text.h"

#include <algorithm>

namespace k7r::cfgui::win32 {
namespace {

// A CBT hook has no argument of its own: the window to centre over and the
// hook itself are known to it only through these, for the length of one
// ShowMessage call on the one user-interface thread.
HWND mainWindow = nullptr;
HWND centreOver = nullptr;
HHOOK centringHook = nullptr;

LRESULT CALLBACK CentringHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && centreOver != nullptr) {
        CentreOver(reinterpret_cast<HWND>(wParam), centreOver);
        centreOver = nullptr;
    }
    return CallNextHookEx(centringHook, code, wParam, lParam);
}

} // namespace

UINT IconStyle(MessageIcon icon) {
    return icon == MessageIcon::Information ? MB_ICONINFORMATION : MB_ICONEXCLAMATION;
}

void CentreOver(HWND window, HWND parent) {
    RECT own;
    RECT around;
    GetWindowRect(window, &own);
    GetWindowRect(parent, &around);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    // A window wider than the one it centres over stays on the screen.
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    if (GetMonitorInfoA(MonitorFromWindow(parent, MONITOR_DEFAULTTONEAREST), &screen)) {
        const RECT& area = screen.rcWork;
        x = std::max<int>(area.left, std::min<int>(x, area.right - width));
        y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    }
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetMessageOwner(HWND window) {
    mainWindow = window;
}

int ShowMessage(HWND owner, UINT style, const std::string& text) {
    const HWND parent = mainWindow != nullptr ? mainWindow : owner;
    const HWND previousCentre = centreOver;
    const HHOOK previousHook = centringHook;
    centreOver = parent;
    centringHook = parent != nullptr
                       ? SetWindowsHookExA(WH_CBT, CentringHook, nullptr, GetCurrentThreadId())
                       : nullptr;
    // Messages name files, in whatever script their names are.
    const int pressed = MessageBoxW(parent, platform::Widen(text).c_str(),
                                    platform::Widen(kMessageTitle).c_str(), style);
    if (centringHook != nullptr) {
        UnhookWindowsHookEx(centringHook);
    }
    centringHook = previousHook;
    centreOver = previousCentre;
    return pressed;
}

} // namespace k7r::cfgui::win32
