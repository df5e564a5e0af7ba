#pragma once

#include <windows.h>

namespace k7r::cfgui::win32 {

// Owner-drawn list boxes whose items are drawn in the system's fixed-pitch
// font, scrolling sideways over 1024 pixels for long paths.

// Sets the list's horizontal scroll extent.
void PrepareFixedFontList(HWND list);
// WM_MEASUREITEM: one line of the fixed-pitch font.
void MeasureFixedFontItem(HWND dialog, MEASUREITEMSTRUCT& item);
// WM_DRAWITEM: the item's text 2 pixels from the left, in the highlight
// colours when selected, grey when the list is disabled.
void DrawFixedFontItem(const DRAWITEMSTRUCT& item);

} // namespace k7r::cfgui::win32
