#include "cfgui/win32/slider.h"

#include "cfgui/slider_rule.h"

#include <commctrl.h>

#include <cstdio>

namespace k7r::cfgui::win32 {
namespace {

struct SliderState {
    UINT step = 1;
    HWND edit = nullptr;
};

// The system's progress bar, which the slider class extends. Window classes
// are process-wide, so this is too.
WNDPROC baseProcedure = nullptr;
int stateOffset = 0;

SliderState* StateOf(HWND slider) {
    return reinterpret_cast<SliderState*>(GetWindowLongPtrA(slider, stateOffset));
}

SliderState& EnsureState(HWND slider) {
    SliderState* state = StateOf(slider);
    if (state == nullptr) {
        state = new SliderState;
        SetWindowLongPtrA(slider, stateOffset, reinterpret_cast<LONG_PTR>(state));
    }
    return *state;
}

// The value under the mouse becomes the bar's, the field's and the page's.
void TrackMouse(HWND slider, int x) {
    SliderState& state = EnsureState(slider);
    PBRANGE range{};
    SendMessageA(slider, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    RECT client;
    GetClientRect(slider, &client);
    const std::int32_t value =
        SliderValue({range.iLow, range.iHigh, client.left, client.right - 1}, x, state.step);
    CallWindowProcA(baseProcedure, slider, PBM_SETPOS, static_cast<WPARAM>(value), 0);
    if (state.edit != nullptr) {
        char text[16];
        std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
        SetWindowTextA(state.edit, text);
    }
    SendMessageA(GetParent(slider), WM_HSCROLL,
                 MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(value)),
                 reinterpret_cast<LPARAM>(slider));
}

LRESULT CALLBACK SliderProcedure(HWND slider, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kSliderAttach:
        EnsureState(slider) = {static_cast<UINT>(wParam), reinterpret_cast<HWND>(lParam)};
        return 0;
    case PBM_SETSTEP:
        EnsureState(slider).step = static_cast<UINT>(wParam);
        break;
    case WM_LBUTTONDOWN:
        if (const SliderState* state = StateOf(slider);
            state != nullptr && state->edit != nullptr) {
            SetFocus(state->edit);
        }
        SetCapture(slider);
        TrackMouse(slider, static_cast<short>(LOWORD(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == slider) {
            TrackMouse(slider, static_cast<short>(LOWORD(lParam)));
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == slider) {
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED: // the button released, or the mouse mode cancelled
        if (const SliderState* state = StateOf(slider);
            state != nullptr && state->edit != nullptr) {
            SendMessageA(state->edit, EM_SETSEL, 0, -1);
        }
        return 0;
    case WM_NCDESTROY:
        delete StateOf(slider);
        SetWindowLongPtrA(slider, stateOffset, 0);
        break;
    default:
        break;
    }
    return CallWindowProcA(baseProcedure, slider, message, wParam, lParam);
}

} // namespace

bool WidenSliderClass(HINSTANCE instance) {
    WNDCLASSEXA wide{};
    wide.cbSize = sizeof wide;
    if (!GetClassInfoExA(nullptr, PROGRESS_CLASSA, &wide)) {
        return false;
    }
    baseProcedure = wide.lpfnWndProc;
    stateOffset = wide.cbWndExtra;
    wide.cbWndExtra += sizeof(SliderState*);
    wide.lpfnWndProc = SliderProcedure;
    wide.hInstance = instance;
    wide.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    return RegisterClassExA(&wide) != 0;
}

void RestoreSliderClass(HINSTANCE instance) {
    UnregisterClassA(PROGRESS_CLASSA, instance);
}

} // namespace k7r::cfgui::win32
