#pragma once

#include "cfgui/page.h"
#include "cfgui/page_context.h"
#include "cfgui/pages/page_registry.h"
#include "cfgui/win32/win32_view.h"

#include <windows.h>

#include <memory>

namespace k7r::cfgui::win32 {

// One open tab page: its child dialog made from the page's template over the
// tab control's display area, the page object, and the translation of the
// dialog's messages into calls on it.
class PageHost {
  public:
    // Null when the template cannot be made into a dialog. The tooltip
    // control (null when there is none) hides its tip when the mouse moves
    // to another line of a list, so that the next tip describes that line.
    static std::unique_ptr<PageHost> Open(HWND mainWindow, HWND tabs, HWND tooltip,
                                          const PageEntry& entry, Application& app,
                                          DiagnosticsReporter& reporter, PageServices& services);
    ~PageHost();
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    HWND Window() const { return dialog_; }
    Page& Logic() { return *page_; }

  private:
    PageHost(Application& app, DiagnosticsReporter& reporter, PageServices& services);
    static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR OnNotify(const NMHDR& header);
    INT_PTR OnScroll(WPARAM wParam, LPARAM lParam);
    INT_PTR OnControlColour(HDC dc, HWND control);
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR host);
    void OnHotLine(int list, int line);

    HWND dialog_ = nullptr;
    HWND tooltip_ = nullptr;
    int hotLine_ = -1;
    Win32View view_{nullptr};
    PageContext context_;
    std::unique_ptr<Page> page_;
};

} // namespace k7r::cfgui::win32
