#include "cfgui/win32/main_window.h"

#include "cfgui/chip_text.h"
#include "cfgui/menu_state.h"
#include "cfgui/page.h"
#include "cfgui/resource.h"
#include "cfgui/tabs.h"
#include "cfgui/tooltip_delays.h"
#include "cfgui/tooltip_text.h"
#include "cfgui/win32/about_box.h"
#include "cfgui/win32/busy_work.h"
#include "cfgui/win32/common_controls.h"
#include "cfgui/win32/configure_multiple_window.h"
#include "cfgui/win32/dropped_files.h"
#include "cfgui/win32/export_dialogs.h"
#include "cfgui/win32/file_dialog.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/win32/modal_dialog_runner.h"
#include "cfgui/win32/owned_dialog.h"
#include "cfgui/win32/win32_text.h"
#include "edit/test_pattern.h"
#include "platform/directory.h"

#include <commctrl.h>
#include <shellapi.h>

namespace k7r::cfgui::win32 {
namespace {

// Where "VXL on the Web" leads: the kit's own documentation.
constexpr const char* kDocumentationAddress = "https://docs.k7r58c22.example/58c22cfg/";

constexpr COLORREF kErrorBackground = RGB(255, 255, 0);

constexpr UINT_PTR kLiveTimerId = 1;
constexpr UINT kLiveTimerMs = 50;

// The position the system gives a new window by default, found by asking it
// for one.
void MoveToDefaultPosition(HWND window) {
    const HWND probe = CreateWindowExA(
        0, WC_STATICA, "", WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, nullptr, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)), nullptr);
    if (probe == nullptr) {
        return;
    }
    RECT place;
    GetWindowRect(probe, &place);
    DestroyWindow(probe);
    SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void InsertTabs(HWND tabs, HWND tip) {
    for (std::size_t index = 0; index < kTabs.size(); ++index) {
        const std::string label(kTabs[index].label);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(label.c_str());
        SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }
    // The labels are in place, so each tab's rectangle is final.
    for (std::size_t index = 0; tip != nullptr && index < kTabs.size(); ++index) {
        std::string text = FillChipId(kTabs[index].tooltip);
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = tabs;
        tool.uId = index;
        tool.lpszText = text.data();
        SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void SetMenuItemEnabled(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void SetMenuItemChecked(HMENU menu, int id, bool checked) {
    CheckMenuItem(menu, static_cast<UINT>(id),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefDlgProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&windowClass) != 0;
}

MainWindow::MainWindow(Application& app, PageTable pages, exporter::PreviewLauncher& launcher)
    : app_(app), pages_(pages), launcher_(launcher), reporter_(app, *this),
      commands_(app, reporter_, *this), diagrams_(app) {
    GatherHelp(app_, pages_);
}

MainWindow::~MainWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool MainWindow::Create(HINSTANCE instance) {
    // A Unicode window, so that its title bar shows a file name in any script.
    CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, DialogProcedure,
                       reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        return false;
    }
    MoveToDefaultPosition(window_);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    OpenTabPage(0);
    Refresh();
    return true;
}

INT_PTR CALLBACK MainWindow::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    // Its tab control and tooltips go on notifying in the ANSI forms that
    // the handlers read, from their creation on.
    if (message == WM_NOTIFYFORMAT) {
        SetWindowLongPtrW(window, DWLP_MSGRESULT, NFR_ANSI);
        return TRUE;
    }
    return OwnedDialogProcedure<MainWindow>(window, message, wParam, lParam);
}

INT_PTR MainWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && !busy_) { // menu items; the dialog's own OK and Cancel are not ours
            OnCommand(LOWORD(wParam));
            HonourPendingClose();
        }
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return TRUE;
    case WM_DROPFILES:
        if (!busy_) {
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
        }
        return TRUE;
    case WM_ACTIVATEAPP:
        app_.active = wParam != FALSE;
        return FALSE;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_DIAGNOSTICS) {
            return OnPaneColour(reinterpret_cast<HDC>(wParam));
        }
        return FALSE;
    case WM_TIMER:
        if (wParam != kLiveTimerId) {
            return FALSE;
        }
        OnLiveTimer();
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return TRUE;
    default:
        return FALSE;
    }
}

void MainWindow::OnInitDialog() {
    SetMessageOwner(window_);
    DeleteMenu(GetMenu(window_), IDM_HELP_HIDDEN, MF_BYCOMMAND);
    DragAcceptFiles(window_, TRUE);
    errorBrush_ = GdiObject<HBRUSH>(CreateSolidBrush(kErrorBackground));

    app_.tooltips.available = tooltips_.Create(window_);
    app_.tooltips.enabled = app_.tooltips.available;
    if (app_.tooltips.available) {
        tooltips_.SetDelay(app_.tooltips.delayIndex);
    }
    InsertTabs(TabControl(), tooltips_.Window());
    tooltips_.AddControls(window_, app_.help);
}

void MainWindow::OnCommand(int id) {
    const std::size_t delay = DelayIndexOfMenu(id);
    if (delay < kDelayCount) {
        OnDelay(delay);
        return;
    }
    switch (id) {
    case IDM_FILE_OPEN:
        commands_.Open();
        break;
    case IDM_FILE_SAVE:
        commands_.Save();
        break;
    case IDM_FILE_SAVE_AS:
        commands_.SaveAs();
        break;
    case IDM_FILE_CONFIGURE_MULTIPLE:
        commands_.ConfigureMultiple();
        break;
    case IDM_FILE_EXPORT:
        commands_.Export();
        break;
    case IDM_FILE_EXIT:
        SendMessageA(window_, WM_CLOSE, 0, 0);
        break;
    case IDM_VIEW_PANEL_PREVIEW:
        preview_.Open(window_);
        break;
    case IDM_VIEW_DIAGRAMS:
        diagrams_.Open(window_);
        break;
    case IDM_HELP_TOOLTIPS:
        OnToggleTooltips();
        break;
    case IDM_HELP_WEB:
        OnWeb();
        break;
    case IDM_HELP_UPDATE_COMMON_CONTROLS:
        OfferCommonControlsUpdate(window_, CommonControlsVersion());
        break;
    case IDM_HELP_ABOUT:
        ShowAboutBox(window_);
        break;
    default:
        break;
    }
}

INT_PTR MainWindow::OnNotify(NMHDR& header) {
    switch (header.code) {
    case TCN_SELCHANGING: {
        // The field being edited is committed first; an invalid entry keeps
        // the tab.
        const bool refused = !CommitField();
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, refused);
        return TRUE;
    }
    case TCN_SELCHANGE:
        OpenTabPage(static_cast<int>(SendMessageA(TabControl(), TCM_GETCURSEL, 0, 0)));
        return TRUE;
    case TTN_GETDISPINFOA: {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        const auto control = reinterpret_cast<HWND>(header.idFrom);
        const HWND parent = GetParent(control);
        const int id =
            HasClass(parent, WC_COMBOBOXA) ? GetDlgCtrlID(parent) : GetDlgCtrlID(control);
        tooltips_.SetWidthFor(id);
        tipText_ = TooltipText(app_, page_ != nullptr ? &page_->Logic() : nullptr, id);
        info.lpszText = tipText_.data();
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void MainWindow::OnInitMenuPopup(HMENU) {
    const HMENU menu = GetMenu(window_);
    const MenuState state = CurrentMenuState(app_);
    SetMenuItemEnabled(menu, IDM_FILE_SAVE, state.saveEnabled);
    SetMenuItemEnabled(menu, IDM_FILE_SAVE_AS, state.saveEnabled);
    SetMenuItemEnabled(menu, IDM_HELP_TOOLTIPS, state.tooltipsAvailable);
    SetMenuItemChecked(menu, IDM_HELP_TOOLTIPS, state.tooltipsEnabled);
    for (std::size_t index = 0; index < kDelayCount; ++index) {
        SetMenuItemChecked(menu, kDelayItems[index].menuId, index == state.delayIndex);
    }
    ModifyMenuA(menu, IDM_HELP_ABOUT, MF_BYCOMMAND | MF_STRING, IDM_HELP_ABOUT,
                state.aboutText.c_str());
}

void MainWindow::OnDropFiles(HDROP drop) {
    commands_.DropFiles(TakeDroppedFiles(drop));
}

INT_PTR MainWindow::OnPaneColour(HDC dc) {
    SetTextColor(dc, RGB(kDarkBlue.red, kDarkBlue.green, kDarkBlue.blue));
    if (app_.diagnostics.error) {
        SetBkColor(dc, kErrorBackground);
        return reinterpret_cast<INT_PTR>(errorBrush_.Get());
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::OnClose() {
    if (busy_) {
        closePending_ = true;
        return;
    }
    app_.diagnostics.lock = kClosingLock;
    DestroyWindow(window_);
}

void MainWindow::OnDestroy() {
    if (liveTimer_) {
        KillTimer(window_, kLiveTimerId);
        liveTimer_ = false;
    }
    CloseTabPage();
    diagrams_.Close();
    errorBrush_.Reset();
    SetMessageOwner(nullptr);
    PostQuitMessage(0);
}

bool MainWindow::OpenFile(const std::string& path) {
    const bool opened = commands_.OpenFile(path);
    HonourPendingClose();
    return opened;
}

void MainWindow::OnToggleTooltips() {
    app_.tooltips.enabled = !app_.tooltips.enabled;
    SendMessageA(tooltips_.Window(), TTM_ACTIVATE, app_.tooltips.enabled, 0);
}

void MainWindow::OnDelay(std::size_t index) {
    app_.tooltips.delayIndex = index;
    tooltips_.SetDelay(index);
}

void MainWindow::OnWeb() {
    ShellExecuteA(window_, "open", kDocumentationAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

void MainWindow::OpenTabPage(int index) {
    CloseTabPage();
    if (index < 0 || static_cast<std::size_t>(index) >= pages_.size()) {
        return;
    }
    page_ = PageHost::Open(window_, TabControl(), tooltips_.Window(),
                           pages_[static_cast<std::size_t>(index)], app_, reporter_, *this);
    if (page_ != nullptr) {
        tooltips_.AddControls(page_->Window(), app_.help);
    }
}

void MainWindow::CloseTabPage() {
    if (page_ != nullptr) {
        tooltips_.RemoveControls(page_->Window());
        page_.reset();
    }
}

bool MainWindow::CommitField() {
    SetFocus(TabControl());
    return app_.diagnostics.lock == 0;
}

std::optional<std::string> MainWindow::ChooseFile(const FileChoice& choice) {
    const unsigned flags =
        kKeepInitialName | (choice.open ? kDialogOpen | kMustExist : kAskOverwrite);
    return FileDialog(window_, choice.initialName, choice.title.c_str(), choice.filters,
                      choice.defaultExtension.empty() ? nullptr : choice.defaultExtension.c_str(),
                      flags);
}

void MainWindow::ShowMessage(MessageIcon icon, const std::string& text) {
    win32::ShowMessage(window_, IconStyle(icon) | MB_OK, text);
}

void MainWindow::SetTitle(const std::string& title) {
    SetWindowUtf8Text(window_, title);
}

void MainWindow::ShowNewConfiguration() {
    KeepLiveTimer(); // the new record is not live
    OpenTabPage(static_cast<int>(SendMessageA(TabControl(), TCM_GETCURSEL, 0, 0)));
}

void MainWindow::RunConfigureMultiple(const std::vector<std::string>& selected) {
    win32::RunConfigureMultiple(window_, app_.session.config.Record, selected);
}

void MainWindow::RunExport() {
    ExportServices services{
        app_, launcher_, platform::TemporaryDirectory(),
        [this](const std::string& text) { ShowMessage(MessageIcon::Exclamation, text); }};
    RunExportDialogs(window_, services);
}

void MainWindow::RunBusy(const std::string& what, const std::function<void()>& work) {
    busy_ = true;
    RunBusyWork(window_, what, work, [this](MSG& message) { return PreTranslate(message); });
    busy_ = false;
}

void MainWindow::HonourPendingClose() {
    if (closePending_ && window_ != nullptr) {
        closePending_ = false;
        OnClose();
    }
}

void MainWindow::Refresh() {
    reporter_.ReportStatus(0, kReportForce, "");
}

bool MainWindow::EnterKey(HWND focus) {
    if (page_ == nullptr || !IsChild(page_->Window(), focus)) {
        return false;
    }
    if (HasClass(focus, WC_EDITA)) {
        const LONG_PTR style = GetWindowLongPtrA(focus, GWL_STYLE);
        if ((style & ES_MULTILINE) != 0 && (style & ES_WANTRETURN) != 0) {
            return false;
        }
        const HWND parent = GetParent(focus);
        const HWND field = HasClass(parent, WC_COMBOBOXA) ? parent : focus;
        const HWND next = GetNextDlgTabItem(page_->Window(), field, FALSE);
        SendMessageA(page_->Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
        return true;
    }
    if (HasClass(focus, WC_LISTVIEWA)) {
        NMHDR header{focus, static_cast<UINT_PTR>(GetDlgCtrlID(focus)),
                     static_cast<UINT>(NM_RETURN)};
        SendMessageA(GetParent(focus), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
        return true;
    }
    return false;
}

bool MainWindow::PreTranslate(MSG& message) {
    if (window_ == nullptr) {
        return false;
    }
    if (preview_.PreTranslate(message) || diagrams_.PreTranslate(message)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && EnterKey(message.hwnd)) {
        return true;
    }
    const HWND navigator = page_ != nullptr ? page_->Window() : window_;
    return IsDialogMessageA(navigator, &message) != FALSE;
}

void MainWindow::ShowText(const std::string& text) {
    SetDlgItemTextA(window_, IDC_DIAGNOSTICS, text.c_str());
}

void MainWindow::SetErrorColour(bool) {
    InvalidateRect(GetDlgItem(window_, IDC_DIAGNOSTICS), nullptr, TRUE);
}

void MainWindow::Beep() {
    MessageBeep(MB_ICONHAND);
}

bool MainWindow::RunDialog(ModalDialog& dialog) {
    return RunModalDialog(window_, dialog);
}

void MainWindow::KeepLiveTimer() {
    const bool live = app_.session.config.Live;
    if (live && !liveTimer_) {
        liveTimer_ = SetTimer(window_, kLiveTimerId, kLiveTimerMs, nullptr) != 0;
    } else if (!live && liveTimer_) {
        KillTimer(window_, kLiveTimerId);
        liveTimer_ = false;
    }
}

void MainWindow::OnLiveTimer() {
    edit::LiveTimerTick(app_.session.config);
    if (page_ != nullptr) {
        page_->Logic().OnTimer();
    }
}

} // namespace k7r::cfgui::win32
