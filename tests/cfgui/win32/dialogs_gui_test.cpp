// The Export and Configure Multiple dialogs and the panel preview window on
// the real main window under Wine, driven from the menu and by dropped files
// (one named in several scripts) as a user would.
#include "cfgui/picture_zoom.h"
#include "cfgui/resource.h"
#include "cfgui/win32/win32_text.h"
#include "export/export_options.h"
#include "platform/directory.h"
#include "preview/preview_board.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/emu/png_reader.h"
#include "tests/support/test_files.h"

#include <dlgs.h>

#include <cstring>
#include <gtest/gtest.h>

namespace k7r::cfgui::gui {
namespace {

constexpr int kModeHeader = 2;
constexpr int kHtml = 5;

void PostClick(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

// The save dialog's name field.
std::string FileName(HWND fileDialog) {
    const HWND box = GetDlgItem(fileDialog, cmb13);
    return win32::WindowText(box != nullptr ? box : GetDlgItem(fileDialog, edt1));
}

// Chooses the kind in the Export dialog, by its button or a double click.
ModalScript::Answer ChooseKind(int kind, bool doubleClick) {
    return [kind, doubleClick](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_EXPORT_KINDS);
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(kind), 0);
        if (doubleClick) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXPORT_KINDS, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(list));
        } else {
            PostClick(GetDlgItem(dialog, IDOK));
        }
    };
}

class Dialogs : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(session.window.OpenFile(image)); }

    const std::string directory = test::ScratchDirectory();
    const std::string image = TestImageIn(directory);
    Session session;
};

// The mode header: its save dialog's Options button changes the mode number
// through the spin buttons, and with it the name offered.
TEST_F(Dialogs, ExportWritesTheKindChosenUnderTheNameOffered) {
    const std::string target = WindowsPath(directory + "/Ελληνικά 中文 🎛.h");
    ModalScript script;
    script
        .Expect("Export",
                [](HWND dialog) {
                    EXPECT_EQ(ListItems(GetDlgItem(dialog, IDC_EXPORT_KINDS)).size(), 6u);
                    ChooseKind(kModeHeader, false)(dialog);
                })
        .Expect("Export As",
                [](HWND dialog) {
                    EXPECT_EQ(win32::WindowText(GetDlgItem(dialog, IDOK)), "&Export");
                    EXPECT_EQ(FileName(dialog), "mode0.h");
                    PostClick(Descendant(dialog, IDC_EXPORT_OPTIONS));
                })
        .Expect("Export Options",
                [](HWND dialog) {
                    const HWND number = GetDlgItem(dialog, IDC_MODE_NUMBER);
                    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(number), TRUE);
                    for (int press = 0; press < 3; ++press) {
                        PostMessageA(number, WM_KEYDOWN, VK_UP, 1);
                        PostMessageA(number, WM_KEYUP, VK_UP, 0xC0000001);
                    }
                    CheckDlgButton(dialog, IDC_SOFTWARE_CURSOR, BST_CHECKED);
                    CheckDlgButton(dialog, IDC_NO_CURSOR, BST_UNCHECKED);
                    PostClick(GetDlgItem(dialog, IDOK));
                })
        .Expect("Export As", [&](HWND dialog) {
            EXPECT_EQ(FileName(dialog), "mode3.h");
            ModalScript::ChooseFile(target)(dialog);
        });
    ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_NE(session.app.exportOptions.ModeFlags & exporter::mfSWCURSOR, 0u);
    EXPECT_TRUE(test::FileExists(target));
}

TEST_F(Dialogs, PreviewWritesTheTemporaryFileAndReportsARefusedViewer) {
    const std::string html = platform::JoinPath(platform::TemporaryDirectory(), "k7r58c22.html");
    DeleteFileA(html.c_str());
    session.launcher.refuse = true;
    ModalScript refused;
    refused.Expect("Export", ChooseKind(kHtml, true))
        .Expect("Export As", [](HWND dialog) { PostClick(Descendant(dialog, IDC_EXPORT_PREVIEW)); })
        .Expect("58C22CFG", ModalScript::Press(IDOK))
        .Expect("Export As", ModalScript::Press(IDCANCEL));
    ASSERT_TRUE(refused.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_EQ(session.launcher.opened, std::vector<std::string>{"default program: " + html});
    EXPECT_TRUE(test::FileExists(html));
    EXPECT_EQ(refused.Texts().at(2), "Failed to execute file " + html);
}

// Files dropped on the main window open the dialog with them selected;
// more dropped on the dialog join them; all are configured.
TEST_F(Dialogs, DroppedFilesOfAnyNameAreSelectedAndConfigured) {
    const std::string named = AnyNameImage(directory);
    std::strcpy(session.app.session.config.Record.Description, "configured under any name");
    ModalScript script;
    script
        .Expect("Configure Multiple",
                [&](HWND dialog) {
                    const HWND selection = GetDlgItem(dialog, IDC_SELECTION_LIST);
                    EXPECT_EQ(ListItems(selection), std::vector<std::string>{named});
                    DropFiles(dialog, {image});
                    EXPECT_EQ(ListItems(selection), (std::vector<std::string>{named, image}));
                    PostClick(GetDlgItem(dialog, IDC_CONFIGURE));
                })
        .Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(script.Run([&] { DropFiles(session.Main(), {named}); }));
    EXPECT_EQ(script.Texts().at(1),
              "Summary of configured files:\n\nOK\t" + named + "\nOK\t" + image + "\n");
    EXPECT_EQ(DescriptionIn(named), "configured under any name");
}

// A directory of more files than a message box holds, browsed, added and
// configured: the summary comes in a dialog of its own, in a read-only field
// that scrolls, the counts first.
TEST_F(Dialogs, ConfigureMultipleBrowsesAddsAllAndSummarisesALongRun) {
    const std::string many = directory + "/many";
    CreateDirectoryA(WindowsPath(many).c_str(), nullptr);
    const test::Bytes board = test::ReadFileBytes(test::TestImagePath("m68k_board.elf"));
    for (int i = 10; i < 50; ++i) {
        test::WriteFileBytes(many + "/board" + std::to_string(i) + ".elf", board);
    }
    const std::string previous = *platform::CurrentDirectory();
    ASSERT_TRUE(platform::ChangeDirectory(WindowsPath(many)));
    std::vector<std::string> browse;
    ModalScript script;
    script
        .Expect("Configure Multiple",
                [&](HWND dialog) {
                    browse = ListItems(GetDlgItem(dialog, IDC_BROWSE_LIST));
                    Click(GetDlgItem(dialog, IDC_ADD_ALL));
                    PostClick(GetDlgItem(dialog, IDC_CONFIGURE));
                })
        .Expect("Configure Multiple Summary",
                ModalScript::Inspect(
                    [&](HWND dialog) {
                        const HWND field = GetDlgItem(dialog, IDC_CONFIGURE_SUMMARY_TEXT);
                        const std::string text = win32::WindowText(field);
                        EXPECT_TRUE(text.starts_with(
                            "40 OK, 0 Error\r\n\r\nSummary of configured files:\r\n\r\nOK\t" +
                            WindowsPath(many + "/board10.elf") + "\r\n"))
                            << text.substr(0, 200);
                        EXPECT_NE(GetWindowLongA(field, GWL_STYLE) & ES_READONLY, 0);
                        EXPECT_NE(GetWindowLongA(field, GWL_STYLE) & WS_VSCROLL, 0);
                    },
                    IDOK));
    ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_CONFIGURE_MULTIPLE); }));
    platform::ChangeDirectory(previous);
    ASSERT_GE(browse.size(), 42u);
    EXPECT_EQ(browse[0], "[..]");
    EXPECT_EQ(browse[1], "board10.elf");
    EXPECT_EQ(browse.at(41).substr(0, 2), "[-") << "the drives follow the files";
}

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

// The panel preview window, opened from the View menu beside the main
// window; what it shows is read back from the screen.
class PreviewWindow : public Dialogs {
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
        const emu::Picture seen = OnScreen(Picture());
        return ZoomFor(seen.width, seen.height, expected);
    }
    preview::PreviewBoard board;
};

TEST_F(PreviewWindow, FollowsThePagesSavesAndZooms) {
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
