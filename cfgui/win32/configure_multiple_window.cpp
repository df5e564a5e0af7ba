#include "cfgui/win32/configure_multiple_window.h"

#include "cfgui/dialogs/configure_multiple_dialog.h"
#include "cfgui/resource.h"
#include "cfgui/win32/control_events.h"
#include "cfgui/win32/dropped_files.h"
#include "cfgui/win32/fixed_font_list.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/win32/modal_dialog_runner.h"
#include "cfgui/win32/win32_view.h"
#include "platform/directory.h"

#include <optional>

namespace k7r::cfgui::win32 {
namespace {

struct ConfigureState {
    const HAL_STRUCT& working;
    const std::vector<std::string>& dropped;
    Win32View view{nullptr};
    std::optional<ConfigureMultipleDialog> logic{};
};

// Lets the dialog repaint its progress and answer the system between two
// files. Its controls are disabled meanwhile and it ignores requests to
// close, so nothing the user does here can start or end anything.
void DispatchPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void OnInitDialog(HWND dialog, ConfigureState& state) {
    state.view = Win32View(dialog);
    state.logic.emplace(
        state.view, state.working,
        ConfigureMultipleServices{
            .drives = platform::LogicalDrives,
            .show =
                [dialog](MessageIcon icon, const std::string& text) {
                    ShowMessage(dialog, IconStyle(icon), text);
                },
            .runDialog = [dialog](ModalDialog& shown) { RunModalDialog(dialog, shown); },
            .keepResponsive = DispatchPendingMessages,
        });
    PrepareFixedFontList(GetDlgItem(dialog, IDC_BROWSE_LIST));
    PrepareFixedFontList(GetDlgItem(dialog, IDC_SELECTION_LIST));
    CentreOver(dialog, GetParent(dialog));
    DragAcceptFiles(dialog, TRUE);
    state.logic->Open(state.dropped);
}

INT_PTR CALLBACK ConfigureProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ConfigureState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        OnInitDialog(dialog, *reinterpret_cast<ConfigureState*>(lParam));
        return TRUE;
    // Measured while the lists are made, before WM_INITDIALOG.
    case WM_MEASUREITEM:
        MeasureFixedFontItem(dialog, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        DrawFixedFontItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        break;
    }
    if (state == nullptr || !state->logic) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND: {
        const std::optional<ControlEvent> event = DialogCommandEvent(wParam, lParam);
        if (event && state->logic->OnControl(LOWORD(wParam), *event)) {
            EndDialog(dialog, LOWORD(wParam));
        }
        return event.has_value();
    }
    case WM_DROPFILES:
        state->logic->AddDropped(TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)));
        return TRUE;
    case WM_CLOSE:
        // The close box and Esc cannot end a run midway.
        return state->logic->Running();
    default:
        return FALSE;
    }
}

} // namespace

void RunConfigureMultiple(HWND owner, const HAL_STRUCT& working,
                          const std::vector<std::string>& dropped) {
    ConfigureState state{working, dropped};
    // A Unicode dialog, so that its lists hold file names in any script.
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONFIGURE_MULTIPLE), owner,
                    ConfigureProcedure, reinterpret_cast<LPARAM>(&state));
}

} // namespace k7r::cfgui::win32
