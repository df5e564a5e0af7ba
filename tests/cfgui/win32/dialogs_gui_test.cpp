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

#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace k7r::cfgui::gui {
namespace {

// Dialogs that take screenshots and wait for other programs get more time.
constexpr int kSlowStepMs = 30000;

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

BOOL CALLBACK MatchId(HWND window, LPARAM search) {
    auto& [id, found] = *reinterpret_cast<std::pair<int, HWND>*>(search);
    if (GetDlgCtrlID(window) == id) {
        found = window;
        return FALSE;
    }
    return TRUE;
}

// A control anywhere below the window: the save dialog's extra buttons lie
// in a child dialog of their own.
HWND Descendant(HWND window, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.second;
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
ModalScript::Answer ChooseKind(int kind, bool doubleClick = false) {
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

// Runs a program to its end; its exit status, or -1 when it could not run
// or did not end in time.
int RunProgram(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    DWORD status = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &status);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

class Dialogs : public testing::Test {
  protected:
    Dialogs() {
        image = WindowsPath(directory + "/viewer.exe");
        test::WriteFileBytes(image, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
        session.window.OpenFile(image);
    }

    std::string InDirectory(const std::string& name) const {
        return WindowsPath(directory + "/" + name);
    }

    const std::string directory = test::ScratchDirectory();
    std::string image;
    Session session;
};

TEST_F(Dialogs, ExportListsTheSixKindsWithTheFirstSelected) {
    std::vector<std::string> items;
    int selected = -1;
    ModalScript script;
    script.Expect("Export", ModalScript::Inspect(
                                [&](HWND dialog) {
                                    const HWND list = GetDlgItem(dialog, IDC_EXPORT_KINDS);
                                    items = ListItems(list);
                                    selected =
                                        static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
                                    Screenshot("export", dialog);
                                },
                                IDCANCEL));
    ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }, kSlowStepMs));
    std::vector<std::string> expected;
    for (const exporter::ExportKind& kind : exporter::ExportKinds()) {
        expected.push_back(ListText(kind, {}));
    }
    EXPECT_EQ(items, expected);
    EXPECT_EQ(selected, 0);
}

// Every kind through the save dialog, compared with what the command line
// writes for the same file.
TEST_F(Dialogs, ExportWritesWhatTheCommandLineWrites) {
    const std::string commandLine = WindowsPath(std::string(K7R_BINARY_DIR) + "/cli/58C22CMD.EXE");
    for (std::size_t index = 0; index < exporter::ExportKinds().size(); ++index) {
        const exporter::ExportKind& kind = exporter::ExportKinds()[index];
        // The save dialog adds the kind's extension.
        const std::string target = InDirectory("dialog_" + std::string(kind.commandName) + "." +
                                               std::string(kind.extension));
        std::string confirmText;
        std::string initialName;
        bool optionsEnabled = false;
        ModalScript script;
        script.Expect("Export", ChooseKind(static_cast<int>(index), index == 5))
            .Expect("Export As", [&](HWND dialog) {
                confirmText = win32::WindowText(GetDlgItem(dialog, IDOK));
                initialName = FileName(dialog);
                optionsEnabled = IsWindowEnabled(Descendant(dialog, IDC_EXPORT_OPTIONS)) != FALSE;
                if (index == 2) {
                    Screenshot("export_save", dialog);
                }
                ModalScript::ChooseFile(target)(dialog);
            });
        ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }, kSlowStepMs))
            << kind.commandName;
        EXPECT_EQ(confirmText, "&Export");
        EXPECT_EQ(initialName, exporter::DefaultFileName(kind, {}));
        EXPECT_EQ(optionsEnabled, index == 2 || index == 3) << kind.commandName;

        const std::string expected = InDirectory("command_" + std::string(kind.commandName));
        ASSERT_EQ(RunProgram("\"" + commandLine + "\" export " + std::string(kind.commandName) +
                             " \"" + image + "\" -o \"" + expected + "\""),
                  0);
        EXPECT_EQ(test::ReadFileBytes(target), test::ReadFileBytes(expected)) << kind.commandName;
    }
}

TEST_F(Dialogs, PreviewWritesTheTemporaryFileAndReportsARefusedViewer) {
    const std::string appcfg = platform::JoinPath(platform::TemporaryDirectory(), "appcfg.h");
    DeleteFileA(appcfg.c_str());
    ModalScript previewed;
    previewed.Expect("Export", ChooseKind(0))
        .Expect("Export As", [](HWND dialog) { PostClick(Descendant(dialog, IDC_EXPORT_PREVIEW)); })
        .Expect("Export As", ModalScript::Press(IDCANCEL));
    ASSERT_TRUE(previewed.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_EQ(session.launcher.opened, std::vector<std::string>{"text editor: " + appcfg});
    const std::string text =
        exporter::ToCrLf(exporter::ExportKinds()[0].generate(session.app.session.config, {}));
    EXPECT_EQ(test::ReadFileBytes(appcfg), test::Bytes(text.begin(), text.end()));

    session.launcher.refuse = true;
    ModalScript refused;
    refused.Expect("Export", ChooseKind(5))
        .Expect("Export As", [](HWND dialog) { PostClick(Descendant(dialog, IDC_EXPORT_PREVIEW)); })
        .Expect("58C22CFG", ModalScript::Press(IDOK))
        .Expect("Export As", ModalScript::Press(IDCANCEL));
    ASSERT_TRUE(refused.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_EQ(refused.Texts().at(2),
              "Failed to execute file " +
                  platform::JoinPath(platform::TemporaryDirectory(), "k7r58c22.html"));
}

TEST_F(Dialogs, OptionsChangeTheModeNameAtOnceAndKeepTheirChoices) {
    bool numberShown = false;
    std::string nameAfter;
    ModalScript script;
    script.Expect("Export", ChooseKind(2))
        .Expect("Export As", [](HWND dialog) { PostClick(Descendant(dialog, IDC_EXPORT_OPTIONS)); })
        .Expect("Export Options",
                [&](HWND dialog) {
                    const HWND number = GetDlgItem(dialog, IDC_MODE_NUMBER);
                    numberShown = IsWindowVisible(number) != FALSE;
                    Screenshot("export_options", dialog);
                    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(number), TRUE);
                    // Below 0 it stays 0; then up three times.
                    for (const UINT key : {VK_DOWN, VK_UP, VK_UP, VK_UP}) {
                        PostMessageA(number, WM_KEYDOWN, key, 1);
                        PostMessageA(number, WM_KEYUP, key, 0xC0000001);
                    }
                    CheckDlgButton(dialog, IDC_SOFTWARE_CURSOR, BST_CHECKED);
                    CheckDlgButton(dialog, IDC_NO_CURSOR, BST_UNCHECKED);
                    CheckDlgButton(dialog, IDC_HARDWARE_ACCELERATION, BST_UNCHECKED);
                    PostClick(GetDlgItem(dialog, IDOK));
                })
        .Expect("Export As",
                ModalScript::Inspect([&](HWND dialog) { nameAfter = FileName(dialog); }, IDCANCEL));
    ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }, kSlowStepMs));
    EXPECT_TRUE(numberShown);
    EXPECT_EQ(nameAfter, "mode3.h");
    EXPECT_EQ(session.app.exportOptions.ModeNumber, 3u);
    EXPECT_EQ(session.app.exportOptions.ModeFlags,
              exporter::mfLCD | exporter::mfSWCURSOR | exporter::mfSWEMUL);

    bool genericNumberShown = true;
    ModalScript generic;
    generic.Expect("Export", ChooseKind(3))
        .Expect("Export As", [](HWND dialog) { PostClick(Descendant(dialog, IDC_EXPORT_OPTIONS)); })
        .Expect("Export Options",
                ModalScript::Inspect(
                    [&](HWND dialog) {
                        genericNumberShown =
                            IsWindowVisible(GetDlgItem(dialog, IDC_MODE_NUMBER)) != FALSE;
                    },
                    IDCANCEL))
        .Expect("Export As",
                ModalScript::Inspect([&](HWND dialog) { nameAfter = FileName(dialog); }, IDCANCEL));
    ASSERT_TRUE(generic.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }));
    EXPECT_FALSE(genericNumberShown);
    EXPECT_EQ(nameAfter, "k7r58c22.h");
}

// Files dropped on a window, as the shell receives them.
void DropFiles(HWND window, const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += name;
        list += '\0';
    }
    list += '\0';
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

TEST_F(Dialogs, FilesDroppedOnTheMainWindowOrTheDialogAreSelectedOnce) {
    const std::string second = InDirectory("second.exe");
    test::WriteFileBytes(second, {'x'});
    std::vector<std::string> fromMainWindow;
    std::vector<std::string> withDialogDrop;
    ModalScript script;
    script.Expect("Configure Multiple", ModalScript::Inspect(
                                            [&](HWND dialog) {
                                                const HWND selection =
                                                    GetDlgItem(dialog, IDC_SELECTION_LIST);
                                                fromMainWindow = ListItems(selection);
                                                DropFiles(dialog, {second, image});
                                                withDialogDrop = ListItems(selection);
                                            },
                                            IDCANCEL));
    ASSERT_TRUE(script.Run([&] { DropFiles(session.Main(), {image, image}); }));
    EXPECT_EQ(fromMainWindow, std::vector<std::string>{image});
    EXPECT_EQ(withDialogDrop, (std::vector<std::string>{second, image}));
    EXPECT_TRUE(session.app.droppedFiles.empty());
}

// Double-clicks the browse list's item with this text.
void OpenBrowseItem(HWND dialog, const std::string& text) {
    const HWND list = GetDlgItem(dialog, IDC_BROWSE_LIST);
    const std::vector<std::string> items = ListItems(list);
    const auto item = std::ranges::find(items, text);
    ASSERT_NE(item, items.end()) << text;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(item - items.begin()), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_BROWSE_LIST, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
}

TEST_F(Dialogs, BrowsingMovesTheCurrentDirectoryForGood) {
    const std::string previous = *platform::CurrentDirectory();
    ASSERT_TRUE(platform::ChangeDirectory(WindowsPath(directory)));
    std::string parentShown;
    std::string driveShown;
    ModalScript script;
    script.Expect("Configure Multiple",
                  ModalScript::Inspect(
                      [&](HWND dialog) {
                          OpenBrowseItem(dialog, "[..]");
                          parentShown =
                              win32::WindowText(GetDlgItem(dialog, IDC_CURRENT_DIRECTORY));
                          OpenBrowseItem(dialog, "[-c-]");
                          driveShown = win32::WindowText(GetDlgItem(dialog, IDC_CURRENT_DIRECTORY));
                      },
                      IDCANCEL));
    ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_CONFIGURE_MULTIPLE); }));
    const std::string after = *platform::CurrentDirectory();
    platform::ChangeDirectory(previous);
    const std::string scratch = WindowsPath(directory);
    EXPECT_EQ(parentShown, scratch.substr(0, scratch.rfind('\\')));
    // The drive's current directory, its letter in the case the system keeps.
    std::string drive = driveShown.substr(0, 3);
    CharUpperA(drive.data());
    EXPECT_EQ(drive, "C:\\");
    EXPECT_EQ(after, driveShown);
}

// A plain image, an S-record text and a PRC database, one of them read-only,
// browsed from the directory and configured in one run.
TEST_F(Dialogs, ConfigureMultipleWritesEveryFileItCanAndSummarises) {
    const std::string board = InDirectory("board.exe");
    const std::string srec = InDirectory("carrier.s19");
    const std::string palm = InDirectory("palm.prc");
    const std::string locked = InDirectory("viewer.exe");
    test::WriteFileBytes(board, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
    test::WriteFileBytes(srec, test::ReadFileBytes(test::TestImagePath("carrier.s19")));
    test::PrcDataResource data;
    data.sections[1] = test::PayloadWith(test::OutgoingRecord(ViewerRecord, true), 20, 8);
    test::WriteFileBytes(
        palm, test::PrcDatabase("Board", {{"code", 1, {1, 2}}, {"data", 0, data.Build()}}));
    test::WriteFileBytes(InDirectory("notes.txt"), {'x'});
    const test::Bytes lockedBefore = test::ReadFileBytes(locked);
    std::strcpy(session.app.session.config.Record.Description, "configured with the others");

    const std::string previous = *platform::CurrentDirectory();
    ASSERT_TRUE(platform::ChangeDirectory(WindowsPath(directory)));
    std::vector<std::string> browse;
    std::vector<std::string> selection;
    ModalScript script;
    {
        const test::ReadOnlyFile readOnly(locked);
        script
            .Expect("Configure Multiple",
                    [&](HWND dialog) {
                        browse = ListItems(GetDlgItem(dialog, IDC_BROWSE_LIST));
                        Click(GetDlgItem(dialog, IDC_ADD_ALL));
                        selection = ListItems(GetDlgItem(dialog, IDC_SELECTION_LIST));
                        Screenshot("configure_multiple", dialog);
                        PostClick(GetDlgItem(dialog, IDC_CONFIGURE));
                    })
            .Expect("58C22CFG", ModalScript::Press(IDOK))
            .Expect("58C22CFG", ModalScript::Press(IDOK));
        ASSERT_TRUE(script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_CONFIGURE_MULTIPLE); },
                               kSlowStepMs));
    }
    platform::ChangeDirectory(previous);

    ASSERT_GE(browse.size(), 5u);
    EXPECT_EQ(
        std::vector<std::string>(browse.begin(), browse.begin() + 5),
        (std::vector<std::string>{"[..]", "board.exe", "carrier.s19", "palm.prc", "viewer.exe"}));
    EXPECT_EQ(browse.at(5).substr(0, 2), "[-") << "the drives follow the files";
    EXPECT_EQ(selection, (std::vector<std::string>{board, srec, palm, locked}));
    EXPECT_EQ(script.Texts().at(1).rfind("File \"" + locked + "\" could not be saved because:", 0),
              0u)
        << script.Texts().at(1);
    EXPECT_EQ(script.Texts().at(2), "Summary of configured files:\n\nOK\t" + board + "\nOK\t" +
                                        srec + "\nOK\t" + palm + "\nError\t" + locked + "\n");

    for (const std::string& path : {board, srec, palm}) {
        config::WorkingConfig config(TemplateRecord);
        ASSERT_TRUE(containers::OpenConfigFile(path, config,
                                               [](const std::string& text) { FAIL() << text; }));
        EXPECT_STREQ(config.Record.Description, "configured with the others") << path;
    }
    EXPECT_EQ(test::ReadFileBytes(locked), lockedBefore);
}

} // namespace
} // namespace k7r::cfgui::gui
