#include "cfgui/win32/about_box.h"

#include "cfgui/page.h"
#include "cfgui/resource.h"
#include "cfgui/win32/gdi_object.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/window_title.h"
#include "platform/win32/wide_text.h"

#include <string>
#include <vector>

namespace k7r::cfgui::win32 {
namespace {

// The About box's state for as long as it is open.
struct AboutBox {
    int picture = IDB_ABOUT_FIRST;
    GdiObject<HBITMAP> bitmap;
};

HINSTANCE ModuleOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

void LoadPicture(HWND dialog, AboutBox& box) {
    box.bitmap = GdiObject<HBITMAP>(static_cast<HBITMAP>(LoadImageA(
        ModuleOf(dialog), MAKEINTRESOURCEA(box.picture), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    InvalidateRect(GetDlgItem(dialog, IDC_ABOUT_PICTURE), nullptr, TRUE);
}

// A palette of the picture's own colours, or a half-tone one for pictures of
// more than 8 bits per pixel.
GdiObject<HPALETTE> PaletteOf(HDC dc, HDC pictureDc, const BITMAP& bits) {
    if (bits.bmBitsPixel > 8) {
        return GdiObject<HPALETTE>(CreateHalftonePalette(dc));
    }
    RGBQUAD colours[256];
    const UINT count = GetDIBColorTable(pictureDc, 0, 256, colours);
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256);
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    for (UINT i = 0; i < count; ++i) {
        palette->palPalEntry[i] = {colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue, 0};
    }
    return GdiObject<HPALETTE>(CreatePalette(palette));
}

void DrawPicture(const DRAWITEMSTRUCT& item, const AboutBox& box) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!box.bitmap) {
        return;
    }
    BITMAP bits{};
    GetObjectA(box.bitmap.Get(), sizeof bits, &bits);
    const GdiObject<HDC> memoryDc(CreateCompatibleDC(item.hDC));
    const HDC pictureDc = memoryDc.Get();
    const HGDIOBJ previousBitmap = SelectObject(pictureDc, box.bitmap.Get());
    const GdiObject<HPALETTE> palette = PaletteOf(item.hDC, pictureDc, bits);
    const HPALETTE previousPalette = SelectPalette(item.hDC, palette.Get(), FALSE);
    RealizePalette(item.hDC);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, bits.bmWidth, bits.bmHeight, pictureDc, 0,
           0, SRCCOPY);
    SelectPalette(item.hDC, previousPalette, FALSE);
    SelectObject(pictureDc, previousBitmap);
}

// " Version 2.00" from the program's version resource; empty when it cannot
// be read.
std::string ProductVersionText() {
    // The program may lie in a directory of any name and length.
    std::wstring path(platform::kLongestPath, L'\0');
    const DWORD pathLength =
        GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (pathLength == 0 || pathLength >= path.size()) {
        return {};
    }
    path.resize(pathLength);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return {};
    }
    std::vector<char> block(size);
    void* value = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\StringFileInfo\\040904E4\\ProductVersion", &value,
                        &length) ||
        length == 0) {
        return {};
    }
    return " Version " + platform::Narrow(static_cast<const wchar_t*>(value));
}

std::string VersionLine() {
    return "58C22CFG" + ProductVersionText() + "  (Build " + std::to_string(UtilityBuild()) + ")";
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        CentreOver(dialog, GetParent(dialog));
        SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, VersionLine().c_str());
        LoadPicture(dialog, *reinterpret_cast<AboutBox*>(lParam));
        return TRUE;
    case WM_RBUTTONDBLCLK:
        box->picture = box->picture == IDB_ABOUT_FIRST ? IDB_ABOUT_SECOND : IDB_ABOUT_FIRST;
        LoadPicture(dialog, *box);
        return TRUE;
    case WM_DRAWITEM:
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *box);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != IDC_ABOUT_VERSION) {
            return FALSE;
        }
        SetTextColor(reinterpret_cast<HDC>(wParam),
                     RGB(kDarkBlue.red, kDarkBlue.green, kDarkBlue.blue));
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (box != nullptr) {
            box->bitmap.Reset();
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void ShowAboutBox(HWND owner) {
    AboutBox box;
    DialogBoxParamA(ModuleOf(owner), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProcedure,
                    reinterpret_cast<LPARAM>(&box));
}

} // namespace k7r::cfgui::win32
