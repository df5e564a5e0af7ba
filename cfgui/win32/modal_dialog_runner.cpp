#include "cfgui/win32/modal_dialog_runner.h"

#include "cfgui/win32/control_events.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/win32/win32_view.h"

namespace k7r::cfgui::win32 {
namespace {

// Lives in RunModalDialog's frame while the dialog runs; the procedure
// finds it in DWLP_USER.
struct RunState {
    ModalDialog& dialog;
    Win32View view{nullptr};
};

void OnOk(HWND window, RunState& state) {
    const std::optional<DialogRefusal> refusal = state.dialog.Accept(state.view);
    if (!refusal) {
        EndDialog(window, IDOK);
        return;
    }
    MessageBoxA(window, refusal->message.c_str(), kMessageTitle, MB_ICONEXCLAMATION | MB_OK);
    SendMessageA(window, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(window, refusal->control)), TRUE);
}

INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        auto& state = *reinterpret_cast<RunState*>(lParam);
        state.view = Win32View(window);
        SetWindowTextA(window, state.dialog.Title().c_str());
        state.dialog.Open(state.view);
        CentreOver(window, GetParent(window));
        return TRUE;
    }
    auto* state = reinterpret_cast<RunState*>(GetWindowLongPtrA(window, DWLP_USER));
    if (state == nullptr || message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOk(window, *state);
        return TRUE;
    case IDCANCEL:
        EndDialog(window, IDCANCEL);
        return TRUE;
    default:
        if (const std::optional<ControlEvent> event = DialogCommandEvent(wParam, lParam)) {
            state->dialog.OnControl(state->view, LOWORD(wParam), *event);
            return TRUE;
        }
        return FALSE;
    }
}

} // namespace

bool RunModalDialog(HWND owner, ModalDialog& dialog) {
    RunState state{dialog};
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialog.TemplateId()), owner,
                           Procedure, reinterpret_cast<LPARAM>(&state)) == IDOK;
}

} // namespace k7r::cfgui::win32
