#include "cfgui/win32/page_host.h"

#include "cfgui/win32/control_events.h"
#include "cfgui/win32/win32_text.h"

#include <commctrl.h>

#include <vector>

namespace k7r::cfgui::win32 {
namespace {

std::optional<ListEvent> ListEventOf(UINT code) {
    switch (code) {
    case NM_CLICK:
        return ListEvent::Click;
    case NM_DBLCLK:
        return ListEvent::DoubleClick;
    case NM_RETURN:
        return ListEvent::Enter;
    case LVN_HOTTRACK:
        return ListEvent::HotLineChanged;
    default:
        return std::nullopt;
    }
}

ScrollEvent ScrollEventOf(WORD code) {
    switch (code) {
    case SB_THUMBPOSITION:
        return ScrollEvent::ThumbPosition;
    case SB_ENDSCROLL:
        return ScrollEvent::EndScroll;
    default:
        return ScrollEvent::Other;
    }
}

BOOL CALLBACK CollectLists(HWND window, LPARAM lists) {
    if (HasClass(window, WC_LISTVIEWA)) {
        reinterpret_cast<std::vector<HWND>*>(lists)->push_back(window);
    }
    return TRUE;
}

} // namespace

PageHost::PageHost(Application& app, DiagnosticsReporter& reporter, PageServices& services)
    : context_(app, reporter, view_, services) {}

std::unique_ptr<PageHost> PageHost::Open(HWND mainWindow, HWND tabs, HWND tooltip,
                                         const PageEntry& entry, Application& app,
                                         DiagnosticsReporter& reporter, PageServices& services) {
    std::unique_ptr<PageHost> host(new PageHost(app, reporter, services));
    host->tooltip_ = tooltip;
    const auto instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
    host->dialog_ = CreateDialogParamA(instance, MAKEINTRESOURCEA(entry.templateId), mainWindow,
                                       DialogProcedure, reinterpret_cast<LPARAM>(host.get()));
    if (host->dialog_ == nullptr) {
        return nullptr;
    }
    host->view_ = Win32View(host->dialog_);
    host->page_ = entry.create(host->context_);

    // Filling the tab control's display area, in main window coordinates.
    RECT area;
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, mainWindow, reinterpret_cast<POINT*>(&area), 2);
    SetWindowPos(host->dialog_, HWND_TOP, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, 0);

    // A list view tells of the line under the mouse only while it tracks
    // the mouse for selection, which not every system does for ours: the
    // lists' mouse moves are watched here instead.
    std::vector<HWND> lists;
    EnumChildWindows(host->dialog_, CollectLists, reinterpret_cast<LPARAM>(&lists));
    for (const HWND list : lists) {
        SetWindowSubclass(list, ListProcedure, 0, reinterpret_cast<DWORD_PTR>(host.get()));
    }

    host->page_->Open();
    ShowWindow(host->dialog_, SW_SHOW);
    return host;
}

LRESULT CALLBACK PageHost::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR host) {
    if (message == WM_MOUSEMOVE) {
        LVHITTESTINFO hit{};
        hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        SendMessageA(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        reinterpret_cast<PageHost*>(host)->OnHotLine(GetDlgCtrlID(list), hit.iItem);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, ListProcedure, id);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

// Moving to another line hides the open tip, so that the next one describes
// the new line.
void PageHost::OnHotLine(int list, int line) {
    if (line == hotLine_ || page_ == nullptr) {
        return;
    }
    hotLine_ = line;
    if (tooltip_ != nullptr) {
        SendMessageA(tooltip_, TTM_POP, 0, 0);
    }
    page_->OnList(list, ListEvent::HotLineChanged, line);
}

PageHost::~PageHost() {
    if (dialog_ != nullptr) {
        SetWindowLongPtrA(dialog_, DWLP_USER, 0);
        DestroyWindow(dialog_);
    }
}

INT_PTR CALLBACK PageHost::DialogProcedure(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return FALSE;
    }
    auto* host = reinterpret_cast<PageHost*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (host == nullptr || host->page_ == nullptr) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND:
        return host->OnCommand(wParam, lParam);
    case WM_NOTIFY:
        return host->OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_HSCROLL:
    case WM_VSCROLL:
        return host->OnScroll(wParam, lParam);
    case WM_TIMER:
        host->page_->OnTimer();
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return host->OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    default:
        return FALSE;
    }
}

INT_PTR PageHost::OnCommand(WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) {
        return FALSE;
    }
    if (const std::optional<ControlEvent> event = ControlEventOf(control, HIWORD(wParam))) {
        page_->OnControl(LOWORD(wParam), *event);
        return TRUE;
    }
    return FALSE;
}

INT_PTR PageHost::OnNotify(const NMHDR& header) {
    const std::optional<ListEvent> event = ListEventOf(header.code);
    if (!event || !HasClass(header.hwndFrom, WC_LISTVIEWA)) {
        return FALSE;
    }
    if (*event == ListEvent::HotLineChanged) {
        OnHotLine(static_cast<int>(header.idFrom),
                  reinterpret_cast<const NMLISTVIEW&>(header).iItem);
        return FALSE;
    }
    const int line = *event == ListEvent::Enter
                         ? static_cast<int>(SendMessageA(header.hwndFrom, LVM_GETNEXTITEM,
                                                         static_cast<WPARAM>(-1), LVNI_SELECTED))
                         : reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
    page_->OnList(static_cast<int>(header.idFrom), *event, line);
    return FALSE;
}

INT_PTR PageHost::OnScroll(WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr) {
        return FALSE;
    }
    page_->OnScroll(GetDlgCtrlID(control), ScrollEventOf(LOWORD(wParam)),
                    static_cast<short>(HIWORD(wParam)));
    return TRUE;
}

INT_PTR PageHost::OnControlColour(HDC dc, HWND control) {
    const std::optional<TextColour> colour = page_->TextColourOf(GetDlgCtrlID(control));
    if (!colour) {
        return FALSE;
    }
    SetTextColor(dc, RGB(colour->red, colour->green, colour->blue));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

} // namespace k7r::cfgui::win32
