#pragma once

#include "cfgui/dialogs/diagrams_dialog.h"

#include <windows.h>

namespace k7r::cfgui {
struct Application;
} // namespace k7r::cfgui

namespace k7r::cfgui::win32 {

// The modeless pictures window over the main window: made from its template
// when opened, destroyed when closed. The logic, and with it the picture
// chosen, lives as long as this object.
class DiagramsWindow {
  public:
    explicit DiagramsWindow(Application& app);
    ~DiagramsWindow();
    DiagramsWindow(const DiagramsWindow&) = delete;
    DiagramsWindow& operator=(const DiagramsWindow&) = delete;

    // Shows the window, made anew below the owner's top-left corner when it
    // is not open, brought to the front when it is.
    void Open(HWND owner);
    void Close();
    // Null while the window is not open.
    HWND Window() const { return window_; }
    const DiagramsDialog& Logic() const { return logic_; }

    // Its keyboard navigation, for the message loop. True when the message
    // was handled.
    bool PreTranslate(MSG& message);

  private:
    template <class Owner>
    friend INT_PTR CALLBACK OwnedDialogProcedure(HWND, UINT, WPARAM, LPARAM);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    // The picture control and the window take the picture's size.
    void Fit(const diagrams::Picture& picture);

    DiagramsDialog logic_;
    HWND window_ = nullptr;
};

} // namespace k7r::cfgui::win32
