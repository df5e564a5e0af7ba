#include "cfgui/win32/diagrams_window.h"

#include "cfgui/resource.h"
#include "cfgui/win32/control_events.h"
#include "cfgui/win32/owned_dialog.h"
#include "cfgui/win32/picture_painter.h"
#include "cfgui/win32/win32_view.h"

#include <algorithm>

namespace k7r::cfgui::win32 {
namespace {

constexpr UINT_PTR kCheckTimerId = 1;
// Where a new window appears, from the owner's top-left corner.
constexpr int kCascade = 32;

RECT ChildRect(HWND window, int id) {
    RECT rect;
    GetWindowRect(GetDlgItem(window, id), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The window moved back into the work area where it would leave it.
void KeepInWorkArea(HWND window) {
    RECT area;
    RECT place;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(window, &place);
    const int left =
        std::max(area.left, std::min(place.left, area.right - (place.right - place.left)));
    const int top =
        std::max(area.top, std::min(place.top, area.bottom - (place.bottom - place.top)));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

DiagramsWindow::DiagramsWindow(Application& app)
    : logic_(app, [this](const diagrams::Picture& picture) { Fit(picture); }) {}

DiagramsWindow::~DiagramsWindow() {
    Close();
}

void DiagramsWindow::Open(HWND owner) {
    if (window_ != nullptr) {
        SetForegroundWindow(window_);
        return;
    }
    CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_DIAGRAMS), owner,
                       OwnedDialogProcedure<DiagramsWindow>, reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        return;
    }
    RECT ownerPlace;
    GetWindowRect(owner, &ownerPlace);
    SetWindowPos(window_, nullptr, ownerPlace.left + kCascade, ownerPlace.top + kCascade, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    KeepInWorkArea(window_);
    ShowWindow(window_, SW_SHOW);
}

void DiagramsWindow::Close() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool DiagramsWindow::PreTranslate(MSG& message) {
    return window_ != nullptr && (message.hwnd == window_ || IsChild(window_, message.hwnd)) &&
           IsDialogMessageA(window_, &message) != FALSE;
}

INT_PTR DiagramsWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (LOWORD(wParam) == IDCANCEL) { // Esc
            Close();
        } else if (const std::optional<ControlEvent> event =
                       control != nullptr ? ControlEventOf(control, HIWORD(wParam))
                                          : std::nullopt) {
            Win32View view(window_);
            logic_.OnControl(view, LOWORD(wParam), *event);
        }
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID != IDC_DIAGRAMS_PICTURE) {
            return FALSE;
        }
        PaintPicture(item.hDC, logic_.Shown());
        return TRUE;
    }
    case WM_TIMER:
        if (wParam != kCheckTimerId) {
            return FALSE;
        }
        logic_.Tick();
        return TRUE;
    case WM_CLOSE:
        Close();
        return TRUE;
    case WM_DESTROY:
        KillTimer(window_, kCheckTimerId);
        return TRUE;
    default:
        return FALSE;
    }
}

void DiagramsWindow::OnInitDialog() {
    Win32View view(window_);
    logic_.Open(view);
    SetTimer(window_, kCheckTimerId, DiagramsDialog::kCheckIntervalMs, nullptr);
}

void DiagramsWindow::Fit(const diagrams::Picture& picture) {
    if (window_ == nullptr) {
        return;
    }
    const HWND control = GetDlgItem(window_, IDC_DIAGRAMS_PICTURE);
    const RECT place = ChildRect(window_, IDC_DIAGRAMS_PICTURE);
    SetWindowPos(control, nullptr, 0, 0, picture.width, picture.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The same margin right of and below the picture as left of it.
    RECT client{0, 0, place.left * 2 + picture.width, place.top + place.left + picture.height};
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE));
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
    SetWindowPos(window_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(control, nullptr, FALSE);
}

} // namespace k7r::cfgui::win32
