#include "cfgui/win32/control_events.h"

#include "cfgui/win32/win32_text.h"

#include <commctrl.h>

namespace k7r::cfgui::win32 {

// Notification codes overlap between control classes, so the class decides.
std::optional<ControlEvent> ControlEventOf(HWND control, UINT code) {
    if (HasClass(control, WC_BUTTONA)) {
        return code == BN_CLICKED ? std::optional(ControlEvent::Clicked) : std::nullopt;
    }
    if (HasClass(control, WC_EDITA)) {
        switch (code) {
        case EN_CHANGE:
            return ControlEvent::TextChanged;
        case EN_KILLFOCUS:
            return ControlEvent::FocusLost;
        default:
            return std::nullopt;
        }
    }
    if (HasClass(control, WC_COMBOBOXA)) {
        switch (code) {
        case CBN_SELCHANGE:
            return ControlEvent::SelectionChanged;
        case CBN_SELENDOK:
            return ControlEvent::SelectionConfirmed;
        case CBN_EDITCHANGE:
            return ControlEvent::TextChanged;
        case CBN_KILLFOCUS:
            return ControlEvent::FocusLost;
        default:
            return std::nullopt;
        }
    }
    if (HasClass(control, WC_LISTBOXA)) {
        switch (code) {
        case LBN_SELCHANGE:
            return ControlEvent::SelectionChanged;
        case LBN_DBLCLK:
            return ControlEvent::DoubleClicked;
        case LBN_KILLFOCUS:
            return ControlEvent::FocusLost;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<ControlEvent> DialogCommandEvent(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
        return ControlEvent::Clicked;
    }
    const auto control = reinterpret_cast<HWND>(lParam);
    return control != nullptr ? ControlEventOf(control, HIWORD(wParam)) : std::nullopt;
}

} // namespace k7r::cfgui::win32
