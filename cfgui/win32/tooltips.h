#pragma once

#include <windows.h>

#include <cstddef>

namespace k7r::cfgui {
class HelpTable;
}

namespace k7r::cfgui::win32 {

// The main window's tooltip control. Every tool asks its owner for its text
// when it is about to show (TTN_GETDISPINFO, with the control's window as
// its id).
class Tooltips {
  public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // False when the control cannot be created; the utility then has none.
    bool Create(HWND owner);
    HWND Window() const { return tip_; }

    // A tip for every control of the window (an id of 100 or more) and the
    // controls inside them; static texts only when the help table has a row
    // for them, made to take the mouse so that they can show one.
    void AddControls(HWND parent, const HelpTable& help);
    void RemoveControls(HWND parent);

    void SetDelay(std::size_t delayIndex);
    // Before each tip shows: wider for the diagnostics pane.
    void SetWidthFor(int control);

  private:
    HWND owner_ = nullptr;
    HWND tip_ = nullptr;
};

} // namespace k7r::cfgui::win32
