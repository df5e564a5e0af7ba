#pragma once

#include "cfgui/application.h"
#include "cfgui/diagnostics_reporter.h"
#include "cfgui/pages/page_registry.h"
#include "cfgui/resource.h"
#include "cfgui/shell_commands.h"
#include "cfgui/shell_view.h"
#include "cfgui/win32/diagrams_window.h"
#include "cfgui/win32/gdi_object.h"
#include "cfgui/win32/page_host.h"
#include "cfgui/win32/preview_window.h"
#include "cfgui/win32/tooltips.h"
#include "export/preview.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace k7r::cfgui::win32 {

// The window class of the main window's template.
inline constexpr const char* kMainWindowClass = "58C22CFG";
bool RegisterMainWindowClass(HINSTANCE instance);

// The main window: tab control, diagnostics pane, menu, tooltips, the open
// page and the live timer; it binds the file commands to the menu, dropped
// files and the system's dialogs. Previews are opened through the launcher.
class MainWindow : private DiagnosticsPane, private PageServices, private ShellView {
  public:
    MainWindow(Application& app, PageTable pages, exporter::PreviewLauncher& launcher);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window from its template at the system's default position
    // and shows it with the first tab open. False when it cannot be made.
    bool Create(HINSTANCE instance);
    HWND Window() const { return window_; }
    HWND TabControl() const { return GetDlgItem(window_, IDC_TABS); }
    // The open page's dialog; null when the tab shows none.
    HWND PageWindow() const { return page_ != nullptr ? page_->Window() : nullptr; }
    HWND TooltipWindow() const { return tooltips_.Window(); }
    // The panel preview window; null while it is closed.
    HWND PreviewWindowHandle() const { return preview_.Window(); }
    DiagnosticsReporter& Reporter() { return reporter_; }
    DiagramsWindow& Diagrams() { return diagrams_; }
    bool LiveTimerRunning() const { return liveTimer_; }

    // Opens a file as File Open does once a name is chosen.
    bool OpenFile(const std::string& path);

    // The message loop's part: Enter forwarding and the open page's keyboard
    // navigation. True when the message was handled.
    bool PreTranslate(MSG& message);

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    template <class Owner>
    friend INT_PTR CALLBACK OwnedDialogProcedure(HWND, UINT, WPARAM, LPARAM);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    void OnInitDialog();
    void OnCommand(int id);
    INT_PTR OnNotify(NMHDR& header);
    void OnInitMenuPopup(HMENU menu);
    void OnDropFiles(HDROP drop);
    INT_PTR OnPaneColour(HDC dc);
    void OnClose();
    void OnDestroy();

    void OnToggleTooltips();
    void OnDelay(std::size_t index);
    void OnWeb();

    void OpenTabPage(int index);
    void CloseTabPage();
    void Refresh();
    bool EnterKey(HWND focus);

    // ShellView. The focus moves to the tab control to commit the field.
    bool CommitField() override;
    std::optional<std::string> ChooseFile(const FileChoice& choice) override;
    void ShowMessage(MessageIcon icon, const std::string& text) override;
    void SetTitle(const std::string& title) override;
    void ShowNewConfiguration() override;
    void RunConfigureMultiple(const std::vector<std::string>& selected) override;
    void RunExport() override;
    void RunBusy(const std::string& what, const std::function<void()>& work) override;
    // A close asked for while a command's work ran, once the command is over.
    void HonourPendingClose();

    // DiagnosticsPane.
    void ShowText(const std::string& text) override;
    void SetErrorColour(bool error) override;
    void Beep() override;

    // PageServices.
    bool RunDialog(ModalDialog& dialog) override;
    void KeepLiveTimer() override;
    void OnLiveTimer();

    Application& app_;
    PageTable pages_;
    exporter::PreviewLauncher& launcher_;
    DiagnosticsReporter reporter_;
    ShellCommands commands_;
    HWND window_ = nullptr;
    Tooltips tooltips_;
    std::unique_ptr<PageHost> page_;
    DiagramsWindow diagrams_;
    std::string tipText_;
    GdiObject<HBRUSH> errorBrush_;
    bool liveTimer_ = false;
    // A command's work runs; the window takes no command and no close.
    bool busy_ = false;
    bool closePending_ = false;
    PreviewWindow preview_{app_};
};

} // namespace k7r::cfgui::win32
