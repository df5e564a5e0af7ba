#pragma once

#include <windows.h>

namespace k7r::cfgui::win32 {

// The dialog procedure of a modeless window that an object stands behind:
// the object comes with WM_INITDIALOG, rides in DWLP_USER and forgets the
// window when it is gone. Owner has a window_ member, OnInitDialog() and
// Dispatch(), and befriends this function.
template <class Owner>
INT_PTR CALLBACK OwnedDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Owner*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
        return FALSE;
    }
    return self->Dispatch(message, wParam, lParam);
}

} // namespace k7r::cfgui::win32
