#pragma once

#include "cfgui/dialogs/preview_dialog.h"
#include "cfgui/win32/win32_view.h"
#include "emu/panel_picture.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace k7r::cfgui::win32 {

// The Win32 binding of the panel preview window: a modeless dialog owned by
// the main window, its timer, its layout at every size and the painting of
// the zoomed picture.
class PreviewWindow {
  public:
    explicit PreviewWindow(Application& app) : app_(app) {}
    ~PreviewWindow();
    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    // Opens the window over the owner, where it last was or else beside
    // the owner; brings it to the front when it is open.
    void Open(HWND owner);
    // Null while the window is closed.
    HWND Window() const { return window_; }
    // Keyboard navigation inside the window; true when the message was
    // handled.
    bool PreTranslate(MSG& message);

  private:
    template <class Owner>
    friend INT_PTR CALLBACK OwnedDialogProcedure(HWND, UINT, WPARAM, LPARAM);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    void OnInitDialog();
    void OnSize();
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnDestroy();

    void ShowPicture(const emu::Picture& zoomed);
    std::optional<std::string> ChooseFile(const FileRequest& request);
    // The window sized so that its picture area holds a picture of that
    // size turned either way, the window no larger than the limit.
    void FitPictureArea(PreviewDialog::Size zoomed, SIZE limit);
    void PlaceBeside(HWND owner);
    int ClientWidth() const;

    Application& app_;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    Win32View view_{nullptr};
    std::optional<PreviewDialog> logic_;
    // The zoomed picture as the device takes it: blue, green, red, rows top
    // down, each padded to whole 32-bit words.
    BITMAPINFOHEADER picture_{};
    std::vector<std::uint8_t> bits_;
    // The template's layout in pixels: the margin around the picture, its
    // top, the status lines' height and the top row's width.
    int margin_ = 0;
    int pictureTop_ = 0;
    int statusHeight_ = 0;
    int rowWidth_ = 0;
};

} // namespace k7r::cfgui::win32
