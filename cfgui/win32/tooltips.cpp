#include "cfgui/win32/tooltips.h"

#include "cfgui/help_table.h"
#include "cfgui/resource.h"
#include "cfgui/tooltip_delays.h"
#include "cfgui/win32/win32_text.h"

#include <commctrl.h>

#include <vector>

namespace k7r::cfgui::win32 {
namespace {

constexpr int kFirstControlId = 100;

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Every window below the parent, grandchildren included (the edit part of a
// drop-down list).
std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

TOOLINFOA ToolFor(HWND owner, HWND control) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    return tool;
}

} // namespace

Tooltips::~Tooltips() {
    if (tip_ != nullptr) {
        DestroyWindow(tip_);
    }
}

bool Tooltips::Create(HWND owner) {
    owner_ = owner;
    tip_ = CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE)), nullptr);
    return tip_ != nullptr;
}

void Tooltips::AddControls(HWND parent, const HelpTable& help) {
    if (tip_ == nullptr) {
        return;
    }
    for (const HWND control : Descendants(parent)) {
        const int id = GetDlgCtrlID(control);
        if (id < kFirstControlId) {
            continue;
        }
        if (HasClass(control, WC_STATICA)) {
            if (help.Find(id) == nullptr) {
                continue;
            }
            SetWindowLongPtrA(control, GWL_STYLE,
                              GetWindowLongPtrA(control, GWL_STYLE) | SS_NOTIFY);
        }
        TOOLINFOA tool = ToolFor(owner_, control);
        SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Tooltips::RemoveControls(HWND parent) {
    if (tip_ == nullptr) {
        return;
    }
    for (const HWND control : Descendants(parent)) {
        TOOLINFOA tool = ToolFor(owner_, control);
        SendMessageA(tip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Tooltips::SetDelay(std::size_t delayIndex) {
    const TooltipTimes times = TimesForDelay(delayIndex);
    SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, static_cast<LPARAM>(times.initial));
    SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_RESHOW, static_cast<LPARAM>(times.reshow));
    SendMessageA(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, static_cast<LPARAM>(times.visible));
}

void Tooltips::SetWidthFor(int control) {
    SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0,
                 control == IDC_DIAGNOSTICS ? kPaneTipWidth : kTipWidth);
}

} // namespace k7r::cfgui::win32
