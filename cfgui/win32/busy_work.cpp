#include "cfgui/win32/busy_work.h"

#include "cfgui/resource.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/win32/win32_text.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <thread>

namespace k7r::cfgui::win32 {
namespace {

// Work that ends sooner shows no window, which would only flicker.
constexpr DWORD kShowAfterMs = 200;
constexpr UINT_PTR kStepTimerId = 1;
constexpr UINT kStepMs = 100;

// The bar fills step by step and starts over, with every version of the
// common controls.
INT_PTR CALLBACK BusyProcedure(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetTimer(window, kStepTimerId, kStepMs, nullptr);
        return TRUE;
    case WM_TIMER:
        SendDlgItemMessageA(window, IDC_BUSY_BAR, PBM_STEPIT, 0, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

HWND ShowBusyWindow(HWND owner, const std::string& what) {
    // A Unicode window, for a file name in any script.
    const HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_BUSY),
                                           owner, BusyProcedure, 0);
    if (window != nullptr) {
        SetWindowUtf8Text(GetDlgItem(window, IDC_BUSY_TEXT), what);
        CentreOver(window, owner);
        // The focus stays where the command left it.
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }
    return window;
}

// Keys and clicks for the disabled owner: the focus may still lie in it.
bool IsInputFor(HWND owner, const MSG& message) {
    const UINT type = message.message;
    const bool input = (type >= WM_KEYFIRST && type <= WM_KEYLAST) ||
                       (type >= WM_MOUSEFIRST && type <= WM_MOUSELAST);
    return input && (message.hwnd == owner || IsChild(owner, message.hwnd));
}

} // namespace

void RunBusyWork(HWND owner, const std::string& what, const std::function<void()>& work,
                 const std::function<bool(MSG&)>& preTranslate) {
    const HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        SetEvent(done);
    });
    const bool wasEnabled = EnableWindow(owner, FALSE) == FALSE;
    const DWORD started = GetTickCount();
    HWND busy = nullptr;
    bool showTried = false;
    std::optional<WPARAM> quit;
    for (;;) {
        const DWORD waited = GetTickCount() - started;
        const DWORD timeout = showTried ? INFINITE : kShowAfterMs - std::min(waited, kShowAfterMs);
        if (MsgWaitForMultipleObjects(1, &done, FALSE, timeout, QS_ALLINPUT) == WAIT_OBJECT_0) {
            break;
        }
        if (!showTried && GetTickCount() - started >= kShowAfterMs) {
            showTried = true;
            busy = ShowBusyWindow(owner, what);
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = message.wParam; // for the loop that waits for it
            } else if (!IsInputFor(owner, message) && !preTranslate(message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    worker.join();
    CloseHandle(done);
    // Enabled first, so that the owner takes the activation back.
    if (wasEnabled) {
        EnableWindow(owner, TRUE);
    }
    if (busy != nullptr) {
        DestroyWindow(busy);
    }
    if (quit) {
        PostQuitMessage(static_cast<int>(*quit));
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace k7r::cfgui::win32
