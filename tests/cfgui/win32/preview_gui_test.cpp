// The panel preview window on the real main window under Wine: opened from
// the View menu beside the main window, it follows the colour depth chosen
// on the Preferences tab, read back from the screen, saves what it shows,
// and zooms as its size allows.
#include "cfgui/picture_zoom.h"
#include "cfgui/resource.h"
#include "preview/preview_board.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/emu/png_reader.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::cfgui::gui {
namespace {

// What a control shows on the screen, as 8-bit RGB.
emu::Picture OnScreen(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    emu::Picture picture;
    picture.width = static_cast<std::uint32_t>(client.right);
    picture.height = static_cast<std::uint32_t>(client.bottom);
    const HDC screen = GetDC(control);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ before = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const std::uint8_t*>(bits);
    for (std::size_t n = 0; n < std::size_t{picture.width} * picture.height; ++n, bgra += 4) {
        picture.rgb.insert(picture.rgb.end(), {bgra[2], bgra[1], bgra[0]});
    }
    SelectObject(memory, before);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    return picture;
}

class PreviewWindowTest : public ::testing::Test {
  protected:
    HWND Preview() const { return session.window.PreviewWindowHandle(); }
    HWND Picture() const { return GetDlgItem(Preview(), IDC_PREVIEW_PICTURE); }

    // The picture the configuration gives, from a preview of the test's own.
    emu::Picture Expected() { return board.Show(session.app.session.config, {}).picture; }
    // The window shows the picture from its top-left corner at the zoom
    // its size gives.
    bool Shows(const emu::Picture& expected) const {
        const emu::Picture seen = OnScreen(Picture());
        const unsigned zoom = ZoomFor(seen.width, seen.height, expected);
        if (seen.width < expected.width * zoom || seen.height < expected.height * zoom) {
            return false;
        }
        for (std::uint32_t y = 0; y < expected.height * zoom; ++y) {
            for (std::uint32_t x = 0; x < expected.width * zoom; ++x) {
                if (seen.Pixel(x, y) != expected.Pixel(x / zoom, y / zoom)) {
                    return false;
                }
            }
        }
        return true;
    }
    unsigned ShownZoom(const emu::Picture& expected) const {
        RECT client;
        GetClientRect(Picture(), &client);
        return ZoomFor(static_cast<unsigned>(client.right), static_cast<unsigned>(client.bottom),
                       expected);
    }
    Session session;
    preview::PreviewBoard board;
    const std::string directory = test::ScratchDirectory();
};

TEST_F(PreviewWindowTest, FollowsThePagesSavesAndZooms) {
    ASSERT_TRUE(session.window.OpenFile(TestImageIn(directory)));

    ASSERT_TRUE(ChooseMenu(session.Main(), IDM_VIEW_PANEL_PREVIEW));
    ASSERT_TRUE(PumpUntil([&] { return Preview() != nullptr && Shows(Expected()); }));
    RECT main, preview;
    GetWindowRect(session.Main(), &main);
    GetWindowRect(Preview(), &preview);
    EXPECT_GE(preview.left, main.right);

    const std::string saved = WindowsPath(directory + "/saved.png");
    ModalScript save;
    save.Expect("Save Picture As", ModalScript::ChooseFile(saved));
    ASSERT_TRUE(save.Run([&] { Click(GetDlgItem(Preview(), IDC_PREVIEW_SAVE)); }));
    const std::optional<emu::Picture> fromWindow = test::ReadPng(saved);
    ASSERT_TRUE(fromWindow);
    EXPECT_TRUE(test::SamePicture(*fromWindow, Expected()));

    ASSERT_TRUE(SelectTab(session, kPreferencesTab));
    const emu::Picture before = Expected();
    Click(session.Control(IDC_BPP_16));
    const emu::Picture deeper = Expected();
    ASSERT_NE(deeper.rgb, before.rgb);
    EXPECT_TRUE(PumpUntil([&] { return Shows(deeper); }));

    // Made larger, the window shows a larger zoom.
    const unsigned zoom = ShownZoom(deeper);
    SetWindowPos(Preview(), nullptr, 0, 0, 720, 660, SWP_NOZORDER);
    ASSERT_GT(ShownZoom(deeper), zoom);
    EXPECT_TRUE(PumpUntil([&] { return Shows(deeper); }));
}

} // namespace
} // namespace k7r::cfgui::gui
