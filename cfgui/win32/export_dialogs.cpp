#include "cfgui/win32/export_dialogs.h"

#include "cfgui/application.h"
#include "cfgui/dialogs/export_options_dialog.h"
#include "cfgui/resource.h"
#include "cfgui/win32/control_events.h"
#include "cfgui/win32/file_dialog.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/win32/win32_view.h"
#include "platform/win32/wide_text.h"

#include <commdlg.h>
#include <dlgs.h>

#include <optional>

namespace k7r::cfgui::win32 {
namespace {

HINSTANCE ThisProgram() {
    return GetModuleHandleA(nullptr);
}

// A dialog procedure's state lives in the caller's frame for as long as the
// modal dialog runs; the procedure finds it in DWLP_USER.
template <typename State>
State* StateOf(HWND dialog) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

template <typename State>
State& Adopt(HWND dialog, LPARAM state) {
    SetWindowLongPtrA(dialog, DWLP_USER, state);
    return *reinterpret_cast<State*>(state);
}

struct ExportListState {
    const exporter::ExportOptions& options;
    Win32View view{nullptr};
    std::optional<ExportDialog> logic{};
    std::optional<std::size_t> chosen{};
};

INT_PTR CALLBACK ExportListProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto& state = Adopt<ExportListState>(dialog, lParam);
        state.view = Win32View(dialog);
        state.logic.emplace(state.view, state.options);
        state.logic->Open();
        CentreOver(dialog, GetParent(dialog));
        return TRUE;
    }
    auto* state = StateOf<ExportListState>(dialog);
    if (state == nullptr || message != WM_COMMAND) {
        return FALSE;
    }
    const std::optional<ControlEvent> event = DialogCommandEvent(wParam, lParam);
    if (!event) {
        return FALSE;
    }
    if (const std::optional<std::size_t> kind = state->logic->OnControl(LOWORD(wParam), *event)) {
        state->chosen = kind;
        EndDialog(dialog, IDOK);
    } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
    return TRUE;
}

struct OptionsState {
    exporter::ExportOptions& options;
    bool showModeNumber;
    Win32View view{nullptr};
    std::optional<ExportOptionsDialog> logic{};
};

INT_PTR CALLBACK OptionsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto& state = Adopt<OptionsState>(dialog, lParam);
        state.view = Win32View(dialog);
        state.logic.emplace(state.view, state.options, state.showModeNumber);
        state.logic->Open();
        CentreOver(dialog, GetParent(dialog));
        return TRUE;
    }
    auto* state = StateOf<OptionsState>(dialog);
    if (state == nullptr || message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
        state->logic->Accept();
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

// The save dialog's extra template and what its buttons work on. Its
// procedure is the child dialog's, under the system's save dialog.
struct SaveExtrasState {
    ExportServices& services;
    const exporter::ExportKind& kind;
    Win32View view{nullptr};
    std::optional<ExportSaveExtras> logic{};
};

// The name field of the explorer-style dialog: a combined box on newer
// systems, an edit field on older ones.
void SetFileName(HWND fileDialog, const std::string& name) {
    const int field = GetDlgItem(fileDialog, cmb13) != nullptr ? cmb13 : edt1;
    const std::wstring text = platform::Widen(name);
    SendMessageW(fileDialog, CDM_SETCONTROLTEXT, field, reinterpret_cast<LPARAM>(text.c_str()));
}

void OnOptions(HWND extras, SaveExtrasState& state) {
    const HWND fileDialog = GetParent(extras);
    OptionsState options{state.services.app.exportOptions, state.logic->OptionsShowModeNumber()};
    DialogBoxParamA(ThisProgram(), MAKEINTRESOURCEA(IDD_EXPORT_OPTIONS), fileDialog,
                    OptionsProcedure, reinterpret_cast<LPARAM>(&options));
    if (const std::optional<std::string> name = state.logic->NameAfterOptions()) {
        SetFileName(fileDialog, *name);
    }
}

UINT_PTR CALLBACK SaveExtrasProcedure(HWND extras, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* dialog = reinterpret_cast<const OPENFILENAMEW*>(lParam);
        auto& state = Adopt<SaveExtrasState>(extras, dialog->lCustData);
        state.view = Win32View(extras);
        state.logic.emplace(state.view, state.services, state.kind);
        state.logic->Open();
        return TRUE;
    }
    auto* state = StateOf<SaveExtrasState>(extras);
    if (state == nullptr) {
        return FALSE;
    }
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) {
        SendMessageW(GetParent(extras), CDM_SETCONTROLTEXT, IDOK,
                     reinterpret_cast<LPARAM>(L"&Export"));
        return FALSE;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
    case IDC_EXPORT_PREVIEW:
        state->logic->Preview();
        return TRUE;
    case IDC_EXPORT_OPTIONS:
        OnOptions(extras, *state);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void RunExportDialogs(HWND owner, ExportServices& services) {
    // The Export dialog ends before the save dialog opens.
    ExportListState list{services.app.exportOptions};
    DialogBoxParamA(ThisProgram(), MAKEINTRESOURCEA(IDD_EXPORT), owner, ExportListProcedure,
                    reinterpret_cast<LPARAM>(&list));
    if (!list.chosen) {
        return;
    }
    const exporter::ExportKind& kind = exporter::ExportKinds()[*list.chosen];
    const ExportSaveSetup setup = SaveSetupFor(kind, services.app.exportOptions);
    SaveExtrasState extras{services, kind};
    const FileDialogExtra extra{IDD_EXPORT_SAVE_EXTRA, SaveExtrasProcedure,
                                reinterpret_cast<LPARAM>(&extras)};
    const std::optional<std::string> path = FileDialog(
        owner, setup.initialName, setup.title.c_str(), setup.filters,
        setup.defaultExtension.c_str(), kKeepInitialName | kAskOverwrite | kPathMustExist, &extra);
    if (path) {
        ExportToFile(services, kind, *path);
    }
}

} // namespace k7r::cfgui::win32
