#include "cfgui/win32/win32_view.h"

#include "cfgui/page.h"
#include "cfgui/win32/slider.h"
#include "cfgui/win32/win32_text.h"
#include "platform/win32/wide_text.h"

#include <commctrl.h>

#include <iterator>
#include <numeric>
#include <utility>
#include <vector>

namespace k7r::cfgui::win32 {
namespace {

enum class ListKind { None, ComboBox, ListBox, ListView };

ListKind KindOf(HWND control) {
    if (control == nullptr) {
        return ListKind::None;
    }
    if (HasClass(control, WC_COMBOBOXA)) {
        return ListKind::ComboBox;
    }
    if (HasClass(control, WC_LISTBOXA)) {
        return ListKind::ListBox;
    }
    if (HasClass(control, WC_LISTVIEWA)) {
        return ListKind::ListView;
    }
    return ListKind::None;
}

int ColumnCount(HWND listView) {
    const auto header = reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

void InsertColumn(HWND listView, int index, const View::Column& column) {
    std::wstring title = platform::Widen(column.title);
    LVCOLUMNW inserted{};
    inserted.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    inserted.fmt = column.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
    inserted.pszText = title.data();
    inserted.cx = 40;
    inserted.iSubItem = index;
    SendMessageW(listView, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&inserted));
}

// A list view draws its first column's texts to the left whatever that
// column's format says. A right-aligned first column is therefore kept as
// the control's second column and shown first through the column order;
// the two columns' texts trade places between what the page calls a column
// and the list view's subitem.
bool FirstTwoSwapped(HWND listView) {
    int order[2] = {0, 1};
    return ColumnCount(listView) >= 2 &&
           SendMessageA(listView, LVM_GETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order)) &&
           order[0] == 1;
}

int Subitem(HWND listView, int column) {
    return column < 2 && FirstTwoSwapped(listView) ? 1 - column : column;
}

void SetCell(HWND listView, int line, int column, const std::string& text) {
    std::wstring wide = platform::Widen(text);
    LVITEMW cell{};
    cell.iSubItem = Subitem(listView, column);
    cell.pszText = wide.data();
    SendMessageW(listView, LVM_SETITEMTEXTW, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&cell));
}

// An empty line before the one given; its index.
int InsertLine(HWND listView, int before) {
    wchar_t empty[] = L"";
    LVITEMW added{};
    added.mask = LVIF_TEXT;
    added.iItem = before;
    added.pszText = empty;
    return static_cast<int>(
        SendMessageW(listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&added)));
}

// An empty line at the end; its index.
int AddLine(HWND listView) {
    return InsertLine(listView, static_cast<int>(SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0)));
}

// Room that a header adds around its title's text.
constexpr int kHeaderMargin = 14;

int TitleWidth(HWND listView, int column) {
    wchar_t title[256] = {};
    LVCOLUMNW read{};
    read.mask = LVCF_TEXT;
    read.pszText = title;
    read.cchTextMax = std::size(title);
    SendMessageW(listView, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&read));
    return static_cast<int>(
               SendMessageW(listView, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(title))) +
           kHeaderMargin;
}

} // namespace

std::string Win32View::Text(int control) const {
    const HWND window = Control(control);
    return window != nullptr ? WindowText(window) : std::string{};
}

void Win32View::SetText(int control, std::string_view text) {
    SetDlgItemTextW(dialog_, control, platform::Widen(text).c_str());
}

bool Win32View::Checked(int control) const {
    return IsDlgButtonChecked(dialog_, control) == BST_CHECKED;
}

void Win32View::SetChecked(int control, bool checked) {
    CheckDlgButton(dialog_, control, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32View::Enable(int control, bool enabled) {
    EnableWindow(Control(control), enabled);
}

void Win32View::Show(int control, bool shown) {
    ShowWindow(Control(control), shown ? SW_SHOW : SW_HIDE);
}

void Win32View::ClearItems(int control) {
    const HWND window = Control(control);
    switch (KindOf(window)) {
    case ListKind::ComboBox:
        SendMessageA(window, CB_RESETCONTENT, 0, 0);
        break;
    case ListKind::ListBox:
        SendMessageA(window, LB_RESETCONTENT, 0, 0);
        break;
    case ListKind::ListView:
        SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
        break;
    case ListKind::None:
        break;
    }
}

void Win32View::AddItem(int control, std::string_view text) {
    const HWND window = Control(control);
    const std::wstring item = platform::Widen(text);
    const auto param = reinterpret_cast<LPARAM>(item.c_str());
    switch (KindOf(window)) {
    case ListKind::ComboBox:
        SendMessageW(window, CB_ADDSTRING, 0, param);
        break;
    case ListKind::ListBox:
        SendMessageW(window, LB_ADDSTRING, 0, param);
        break;
    case ListKind::ListView:
        SetCell(window, AddLine(window), 0, std::string(text));
        break;
    case ListKind::None:
        break;
    }
}

void Win32View::SetItems(int control, std::span<const std::string> items) {
    const HWND window = Control(control);
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ClearItems(control);
    for (const std::string& item : items) {
        AddItem(control, item);
    }
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
}

void Win32View::InsertItem(int control, int before, std::string_view text) {
    const HWND window = Control(control);
    const std::wstring item = platform::Widen(text);
    const auto param = reinterpret_cast<LPARAM>(item.c_str());
    switch (KindOf(window)) {
    case ListKind::ComboBox:
        SendMessageW(window, CB_INSERTSTRING, static_cast<WPARAM>(before), param);
        break;
    case ListKind::ListBox:
        SendMessageW(window, LB_INSERTSTRING, static_cast<WPARAM>(before), param);
        break;
    case ListKind::ListView:
        SetCell(window, InsertLine(window, before), 0, std::string(text));
        break;
    case ListKind::None:
        break;
    }
}

void Win32View::RemoveItem(int control, int item) {
    const HWND window = Control(control);
    switch (KindOf(window)) {
    case ListKind::ComboBox:
        SendMessageA(window, CB_DELETESTRING, static_cast<WPARAM>(item), 0);
        break;
    case ListKind::ListBox:
        SendMessageA(window, LB_DELETESTRING, static_cast<WPARAM>(item), 0);
        break;
    case ListKind::ListView:
        SendMessageA(window, LVM_DELETEITEM, static_cast<WPARAM>(item), 0);
        break;
    case ListKind::None:
        break;
    }
}

int Win32View::ItemCount(int control) const {
    const HWND window = Control(control);
    switch (KindOf(window)) {
    case ListKind::ComboBox:
        return static_cast<int>(SendMessageA(window, CB_GETCOUNT, 0, 0));
    case ListKind::ListBox:
        return static_cast<int>(SendMessageA(window, LB_GETCOUNT, 0, 0));
    case ListKind::ListView:
        return static_cast<int>(SendMessageA(window, LVM_GETITEMCOUNT, 0, 0));
    case ListKind::None:
        break;
    }
    return 0;
}

std::string Win32View::ItemText(int control, int item) const {
    const HWND window = Control(control);
    std::string text;
    switch (KindOf(window)) {
    case ListKind::ComboBox:
    case ListKind::ListBox: {
        const bool combo = KindOf(window) == ListKind::ComboBox;
        const LRESULT length =
            SendMessageW(window, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, item, 0);
        if (length < 0) {
            return {};
        }
        std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(window, combo ? CB_GETLBTEXT : LB_GETTEXT, item,
                     reinterpret_cast<LPARAM>(wide.data()));
        wide.resize(static_cast<std::size_t>(length));
        text = platform::Narrow(wide);
        break;
    }
    case ListKind::ListView:
        text = LineText(control, item, 0);
        break;
    case ListKind::None:
        break;
    }
    return text;
}

int Win32View::Selection(int control) const {
    const HWND window = Control(control);
    switch (KindOf(window)) {
    case ListKind::ComboBox:
        return static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
    case ListKind::ListBox:
        return static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
    case ListKind::ListView:
        return static_cast<int>(SendMessageA(window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                             MAKELPARAM(LVNI_SELECTED, 0)));
    case ListKind::None:
        break;
    }
    return -1;
}

void Win32View::Select(int control, int item) {
    const HWND window = Control(control);
    switch (KindOf(window)) {
    case ListKind::ComboBox:
        SendMessageA(window, CB_SETCURSEL, item, 0);
        break;
    case ListKind::ListBox:
        SendMessageA(window, LB_SETCURSEL, item, 0);
        break;
    case ListKind::ListView: {
        LVITEMA line{};
        line.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        line.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(window, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&line));
        break;
    }
    case ListKind::None:
        break;
    }
}

void Win32View::SetRange(int control, int low, int high) {
    const HWND window = Control(control);
    if (HasClass(window, UPDOWN_CLASSA)) {
        SendMessageA(window, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
    } else {
        SendMessageA(window, PBM_SETRANGE32, static_cast<WPARAM>(low), high);
    }
}

void Win32View::SetPosition(int control, int position) {
    const HWND window = Control(control);
    if (HasClass(window, UPDOWN_CLASSA)) {
        SendMessageA(window, UDM_SETPOS32, 0, position);
    } else {
        SendMessageA(window, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    }
}

void Win32View::AttachSlider(int slider, int field, unsigned step) {
    SendMessageA(Control(slider), kSliderAttach, step, reinterpret_cast<LPARAM>(Control(field)));
}

void Win32View::Focus(int control) {
    const HWND window = Control(control);
    if (window != nullptr) {
        SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
    }
}

void Win32View::SelectAllText(int control) {
    const HWND window = Control(control);
    if (KindOf(window) == ListKind::ComboBox) {
        SendMessageA(window, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    } else {
        SendMessageA(window, EM_SETSEL, 0, -1);
    }
}

void Win32View::SetTextLimit(int control, int characters) {
    const HWND window = Control(control);
    SendMessageA(window, KindOf(window) == ListKind::ComboBox ? CB_LIMITTEXT : EM_LIMITTEXT,
                 static_cast<WPARAM>(characters), 0);
}

void Win32View::SetColumns(int control, std::span<const Column> columns) {
    const HWND window = Control(control);
    if (KindOf(window) != ListKind::ListView) {
        return;
    }
    for (int count = ColumnCount(window); count > 0; --count) {
        SendMessageA(window, LVM_DELETECOLUMN, 0, 0);
    }
    const bool swapped = columns.size() >= 2 && columns.front().rightAligned;
    for (std::size_t index = 0; index < columns.size(); ++index) {
        const std::size_t shown = swapped && index < 2 ? 1 - index : index;
        InsertColumn(window, static_cast<int>(index), columns[shown]);
    }
    if (swapped) {
        std::vector<int> order(columns.size());
        std::iota(order.begin(), order.end(), 0);
        std::swap(order[0], order[1]);
        SendMessageA(window, LVM_SETCOLUMNORDERARRAY, order.size(),
                     reinterpret_cast<LPARAM>(order.data()));
    }
}

void Win32View::SetLine(int control, int line, std::span<const std::string> texts) {
    const HWND window = Control(control);
    if (KindOf(window) != ListKind::ListView || texts.empty()) {
        return;
    }
    if (line >= ItemCount(control)) {
        line = AddLine(window);
    }
    for (std::size_t column = 0; column < texts.size(); ++column) {
        SetCell(window, line, static_cast<int>(column), texts[column]);
    }
}

std::string Win32View::LineText(int control, int line, int column) const {
    const HWND window = Control(control);
    if (KindOf(window) != ListKind::ListView) {
        return {};
    }
    wchar_t buffer[1024] = {};
    LVITEMW cell{};
    cell.iSubItem = Subitem(window, column);
    cell.pszText = buffer;
    cell.cchTextMax = std::size(buffer);
    SendMessageW(window, LVM_GETITEMTEXTW, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&cell));
    return platform::Narrow(buffer);
}

void Win32View::FitColumns(int control) {
    const HWND window = Control(control);
    if (KindOf(window) != ListKind::ListView) {
        return;
    }
    for (int column = 0; column < ColumnCount(window); ++column) {
        SendMessageA(window, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                     MAKELPARAM(LVSCW_AUTOSIZE, 0));
        const int contents = static_cast<int>(
            SendMessageA(window, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        const int title = TitleWidth(window, column);
        if (title > contents) {
            SendMessageA(window, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                         MAKELPARAM(title, 0));
        }
    }
}

void Win32View::SetClickableLines(int control) {
    const HWND window = Control(control);
    if (KindOf(window) != ListKind::ListView) {
        return;
    }
    constexpr DWORD kStyles = LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE;
    SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, kStyles, kStyles);
}

void Win32View::SetDroppedWidth(int control, int pixels) {
    const HWND window = Control(control);
    if (KindOf(window) == ListKind::ComboBox) {
        SendMessageA(window, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(pixels), 0);
    }
}

void Win32View::SetSpinAcceleration(int control, std::span<const SpinAcceleration> steps) {
    const HWND window = Control(control);
    if (!HasClass(window, UPDOWN_CLASSA)) {
        return;
    }
    std::vector<UDACCEL> table;
    for (const SpinAcceleration& step : steps) {
        table.push_back({step.seconds, step.increment});
    }
    SendMessageA(window, UDM_SETACCEL, table.size(), reinterpret_cast<LPARAM>(table.data()));
}

void Win32View::SetListBackground(int control, const TextColour& background) {
    const HWND window = Control(control);
    if (KindOf(window) != ListKind::ListView) {
        return;
    }
    const COLORREF colour = RGB(background.red, background.green, background.blue);
    SendMessageA(window, LVM_SETBKCOLOR, 0, colour);
    SendMessageA(window, LVM_SETTEXTBKCOLOR, 0, colour);
}

} // namespace k7r::cfgui::win32
