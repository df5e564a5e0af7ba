// The Export and Configure Multiple dialogs on the real main window under
// Wine, driven from the menu and by dropped files as a user would.
#include "cfgui/resource.h"
#include "cfgui/win32/win32_text.h"
#include "containers/config_file.h"
#include "export/export_kinds.h"
#include "export/output_file.h"
#include "platform/directory.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/containers/container_builders.h"
#include "tests/support/test_files.h"

#include <dlgs.h>

#include <cstring>
#include <gtest/gtest.h>

namespace k7r::cfgui::gui {
namespace {

constexpr int kModeHeader = 2;
constexpr int kHtml = 5;

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, index, 0)),
                         '\0');
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        items.push_back(text);
    }
    return items;
}

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
    Dialogs() {
        test::WriteFileBytes(directory + "/viewer.exe",
                             test::ReadFileBytes(test::TestImagePath("carrier.exe")));
        session.window.OpenFile(image);
    }

    std::string InDirectory(const std::string& name) const {
        return WindowsPath(directory + "/" + name);
    }

    const std::string directory = test::ScratchDirectory();
    const std::string image = InDirectory("viewer.exe");
    Session session;
};

// The mode header: its save dialog's Options button changes the mode number
// through the spin buttons, and with it the name offered.
TEST_F(Dialogs, ExportWritesTheKindChosenUnderTheNameOffered) {
    std::vector<std::string> kinds;
    std::string confirmText;
    std::string nameBefore;
    std::string nameAfter;
    const std::string target = InDirectory("exported.h");
    ModalScript script;
    script
        .Expect("Export",
                [&](HWND dialog) {
                    kinds = ListItems(GetDlgItem(dialog, IDC_EXPORT_KINDS));
                    ChooseKind(kModeHeader, false)(dialog);
                })
        .Expect("Export As",
                [&](HWND dialog) {
                    confirmText = win32::WindowText(GetDlgItem(dialog, IDOK));
                    nameBefore = FileName(dialog);
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
            nameAfter = FileName(dialog);
            ModalScript::ChooseFile(target)(dialog);
        });
    ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_EQ(kinds.size(), 6u);
    EXPECT_EQ(confirmText, "&Export");
    EXPECT_EQ(nameBefore, "mode0.h");
    EXPECT_EQ(nameAfter, "mode3.h");
    const exporter::ExportOptions& options = session.app.exportOptions;
    EXPECT_EQ(options.ModeNumber, 3u);
    EXPECT_NE(options.ModeFlags & exporter::mfSWCURSOR, 0u);
    const std::string text = exporter::ToCrLf(
        exporter::ExportKinds()[kModeHeader].generate(session.app.session.config, options));
    EXPECT_EQ(test::ReadFileBytes(target), test::Bytes(text.begin(), text.end()));
}

TEST_F(Dialogs, PreviewWritesTheTemporaryFileAndReportsARefusedViewer) {
    const std::string html = platform::JoinPath(platform::TemporaryDirectory(), "k7r58c22.html");
    DeleteFileA(html.c_str());
    const auto preview = [](HWND dialog) { PostClick(Descendant(dialog, IDC_EXPORT_PREVIEW)); };
    ModalScript previewed;
    previewed.Expect("Export", ChooseKind(kHtml, true))
        .Expect("Export As", preview)
        .Expect("Export As", ModalScript::Press(IDCANCEL));
    ASSERT_TRUE(previewed.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_EQ(session.launcher.opened, std::vector<std::string>{"default program: " + html});
    EXPECT_TRUE(test::FileExists(html));

    session.launcher.refuse = true;
    ModalScript refused;
    refused.Expect("Export", ChooseKind(kHtml, true))
        .Expect("Export As", preview)
        .Expect("58C22CFG", ModalScript::Press(IDOK))
        .Expect("Export As", ModalScript::Press(IDCANCEL));
    ASSERT_TRUE(refused.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_EQ(refused.Texts().at(2), "Failed to execute file " + html);
}

TEST_F(Dialogs, FilesDroppedOnTheMainWindowOrTheDialogAreSelected) {
    const std::string second = InDirectory("second.exe");
    test::WriteFileBytes(directory + "/second.exe", {'x'});
    std::vector<std::string> fromMainWindow;
    std::vector<std::string> withDialogDrop;
    ModalScript script;
    script.Expect("Configure Multiple", ModalScript::Inspect(
                                            [&](HWND dialog) {
                                                const HWND selection =
                                                    GetDlgItem(dialog, IDC_SELECTION_LIST);
                                                fromMainWindow = ListItems(selection);
                                                DropFiles(dialog, {second});
                                                withDialogDrop = ListItems(selection);
                                            },
                                            IDCANCEL));
    ASSERT_TRUE(script.Run([&] { DropFiles(session.Main(), {image}); }));
    EXPECT_EQ(fromMainWindow, std::vector<std::string>{image});
    EXPECT_EQ(withDialogDrop, (std::vector<std::string>{second, image}));
}

// A plain image, an S-record text and a PRC database, one of them read-only,
// browsed from the directory and configured in one run.
TEST_F(Dialogs, ConfigureMultipleWritesEveryFileItCanAndSummarises) {
    const std::string board = InDirectory("board.exe");
    const std::string srec = InDirectory("carrier.s19");
    const std::string palm = InDirectory("palm.prc");
    test::WriteFileBytes(board, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
    test::WriteFileBytes(srec, test::ReadFileBytes(test::TestImagePath("carrier.s19")));
    test::PrcDataResource data;
    data.sections[1] = test::PayloadWith(test::OutgoingRecord(ViewerRecord, true), 20, 8);
    test::WriteFileBytes(
        palm, test::PrcDatabase("Board", {{"code", 1, {1, 2}}, {"data", 0, data.Build()}}));
    const test::Bytes before = test::ReadFileBytes(image);
    std::strcpy(session.app.session.config.Record.Description, "configured with the others");

    const std::string previous = *platform::CurrentDirectory();
    ASSERT_TRUE(platform::ChangeDirectory(WindowsPath(directory)));
    std::vector<std::string> browse;
    ModalScript script;
    {
        const test::ReadOnlyFile readOnly(image);
        script
            .Expect("Configure Multiple",
                    [&](HWND dialog) {
                        browse = ListItems(GetDlgItem(dialog, IDC_BROWSE_LIST));
                        Click(GetDlgItem(dialog, IDC_ADD_ALL));
                        PostClick(GetDlgItem(dialog, IDC_CONFIGURE));
                    })
            .Expect("58C22CFG", ModalScript::Press(IDOK))
            .Expect("58C22CFG", ModalScript::Press(IDOK));
        ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_CONFIGURE_MULTIPLE); }));
    }
    platform::ChangeDirectory(previous);

    ASSERT_GE(browse.size(), 5u);
    EXPECT_EQ(
        std::vector<std::string>(browse.begin(), browse.begin() + 5),
        (std::vector<std::string>{"[..]", "board.exe", "carrier.s19", "palm.prc", "viewer.exe"}));
    EXPECT_EQ(browse.at(5).substr(0, 2), "[-") << "the drives follow the files";
    EXPECT_EQ(script.Texts().at(1).rfind("File \"" + image + "\" could not be saved because:", 0),
              0u)
        << script.Texts().at(1);
    EXPECT_EQ(script.Texts().at(2), "Summary of configured files:\n\nOK\t" + board + "\nOK\t" +
                                        srec + "\nOK\t" + palm + "\nError\t" + image + "\n");
    for (const std::string& path : {board, srec, palm}) {
        config::WorkingConfig config(TemplateRecord);
        ASSERT_TRUE(containers::OpenConfigFile(path, config,
                                               [](const std::string& text) { FAIL() << text; }));
        EXPECT_STREQ(config.Record.Description, "configured with the others") << path;
    }
    EXPECT_EQ(test::ReadFileBytes(image), before);
}

// More files than a message box holds: the summary comes in a dialog of its
// own, in a read-only field that scrolls, the counts first.
TEST_F(Dialogs, ALongRunSummarisesInADialogOfItsOwn) {
    const test::Bytes board = test::ReadFileBytes(test::TestImagePath("m68k_board.elf"));
    std::vector<std::string> names;
    for (int i = 10; i < 50; ++i) {
        names.push_back(InDirectory("board" + std::to_string(i) + ".elf"));
        test::WriteFileBytes(names.back(), board);
    }
    std::string text;
    LONG style = 0;
    ModalScript script;
    script
        .Expect("Configure Multiple",
                [](HWND dialog) { PostClick(GetDlgItem(dialog, IDC_CONFIGURE)); })
        .Expect("Configure Multiple Summary",
                ModalScript::Inspect(
                    [&](HWND dialog) {
                        const HWND field = GetDlgItem(dialog, IDC_CONFIGURE_SUMMARY_TEXT);
                        text = win32::WindowText(field);
                        style = GetWindowLongA(field, GWL_STYLE);
                    },
                    IDOK));
    ASSERT_TRUE(script.Run([&] { DropFiles(session.Main(), names); }));
    EXPECT_TRUE(text.starts_with("40 OK, 0 Error\r\n\r\nSummary of configured files:\r\n\r\nOK\t" +
                                 names[0] + "\r\n"))
        << text.substr(0, 200);
    EXPECT_NE(style & ES_READONLY, 0);
    EXPECT_NE(style & WS_VSCROLL, 0);
}

} // namespace
} // namespace k7r::cfgui::gui
