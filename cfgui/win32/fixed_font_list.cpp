#include "cfgui/win32/fixed_font_list.h"

#include <string>

namespace k7r::cfgui::win32 {
namespace {

constexpr int kScrollExtent = 1024;
constexpr int kTextIndent = 2;

HFONT FixedFont() {
    return static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT));
}

// As the list holds it: file names in any script.
std::wstring ItemText(HWND list, UINT item) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, item, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace

void PrepareFixedFontList(HWND list) {
    SendMessageA(list, LB_SETHORIZONTALEXTENT, kScrollExtent, 0);
}

void MeasureFixedFontItem(HWND dialog, MEASUREITEMSTRUCT& item) {
    const HDC dc = GetDC(dialog);
    const HGDIOBJ previous = SelectObject(dc, FixedFont());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    item.itemHeight = static_cast<UINT>(metrics.tmHeight);
}

void DrawFixedFontItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) {
        return;
    }
    int background = COLOR_WINDOW;
    int foreground = COLOR_WINDOWTEXT;
    if ((item.itemState & ODS_SELECTED) != 0) {
        background = COLOR_HIGHLIGHT;
        foreground = COLOR_HIGHLIGHTTEXT;
    } else if ((item.itemState & ODS_DISABLED) != 0) {
        foreground = COLOR_GRAYTEXT;
    }
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(background));
    const std::wstring text = ItemText(item.hwndItem, item.itemID);
    const HGDIOBJ previous = SelectObject(item.hDC, FixedFont());
    SetTextColor(item.hDC, GetSysColor(foreground));
    SetBkMode(item.hDC, TRANSPARENT);
    TextOutW(item.hDC, item.rcItem.left + kTextIndent, item.rcItem.top, text.c_str(),
             static_cast<int>(text.size()));
    SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

} // namespace k7r::cfgui::win32
