// The main window under Wine: the file commands end to end on a file named
// in several scripts, a close during a large save, such a file on the
// program's command line, the fuzzers' images opened one after another, tabs,
// tooltips, the About box and the common-controls offer.
#include "cfgui/diagnostics_reporter.h"
#include "cfgui/resource.h"
#include "cfgui/win32/program.h"
#include "cfgui/win32/win32_text.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "platform/directory.h"
#include "platform/win32/wide_text.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/cfgui/win32/test_resource.h"
#include "tests/support/test_files.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace k7r::cfgui::gui {
namespace {

constexpr const char* kTitle = "K7R58C22 Configuration Utility  (Build 17)";

std::string Saved(const std::string& path) {
    return "Configuration data saved in file \"" + path + "\".";
}

TEST(Shell, FileCommandsOnAFileOfAnyName) {
    Session session;
    ASSERT_NE(session.Main(), nullptr);
    EXPECT_FALSE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE));
    EXPECT_FALSE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE_AS));
    EXPECT_EQ(GetMenuState(GetMenu(session.Main()), IDM_HELP_HIDDEN, MF_BYCOMMAND), 0xFFFFFFFFu);

    const std::string directory = test::ScratchDirectory();
    const std::string image = AnyNameImage(directory);
    ASSERT_TRUE(ModalScript().Expect("Open", ModalScript::ChooseFile(image)).Run([&] {
        ChooseMenu(session.Main(), IDM_FILE_OPEN);
    }));
    EXPECT_EQ(session.Title(), std::string(kAnyName) + " - " + kTitle);
    EXPECT_TRUE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE_AS));

    // A file refused leaves the one open before open.
    test::WriteFileBytes(directory + "/noise.exe", test::Bytes(4096, 0xA5));
    const std::string noise = WindowsPath(directory + "/noise.exe");
    ModalScript refused;
    refused.Expect("Open", ModalScript::ChooseFile(noise))
        .Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(refused.Run([&] { ChooseMenu(session.Main(), IDM_FILE_OPEN); }));
    EXPECT_EQ(refused.Texts().at(1).rfind("File \"" + noise + "\" could not be opened", 0), 0u);
    EXPECT_EQ(session.Title(), std::string(kAnyName) + " - " + kTitle);

    // The message box is centred over the main window.
    std::strcpy(session.app.session.config.Record.Description, "saved under any name");
    RECT box{}, main;
    GetWindowRect(session.Main(), &main);
    ModalScript saved;
    saved.Expect("58C22CFG",
                 ModalScript::Inspect([&](HWND open) { GetWindowRect(open, &box); }, IDOK));
    ASSERT_TRUE(saved.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }));
    EXPECT_EQ(saved.Texts().at(0), Saved(image));
    EXPECT_EQ(DescriptionIn(image), "saved under any name");
    EXPECT_LE(std::abs((box.left + box.right) - (main.left + main.right)), 2);
    EXPECT_LE(std::abs((box.top + box.bottom) - (main.top + main.bottom)), 2);

    const std::string copy = WindowsPath(directory + "/Копия 副本 🎛.exe");
    ModalScript savedAs;
    savedAs.Expect("Save As", ModalScript::ChooseFile(copy))
        .Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(savedAs.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE_AS); }));
    EXPECT_EQ(savedAs.Texts().at(1), Saved(copy));
    EXPECT_EQ(session.Title(), std::string("Копия 副本 🎛.exe - ") + kTitle);

    // A save that fails forgets the file.
    DeleteFileW(platform::Widen(copy).c_str());
    ModalScript failed;
    failed.Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(failed.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }));
    EXPECT_EQ(failed.Texts().at(0).rfind("File \"" + copy + "\" could not be saved", 0), 0u);
    EXPECT_FALSE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE));
    EXPECT_EQ(session.Title(), kTitle);
}

// A large save runs beside the window: a close asked for meanwhile waits
// until the file is written and its message shown over the window, and a
// second save is not started.
TEST(Shell, ACloseDuringALargeSaveWaitsForIt) {
    Session session;
    const std::string image = TestImageIn(test::ScratchDirectory(), "large.exe");
    constexpr std::uintmax_t kLength = 16 << 20;
    std::filesystem::resize_file(image, kLength);
    ASSERT_TRUE(session.window.OpenFile(image));
    std::strcpy(session.app.session.config.Record.Description, "saved before closing");

    ModalScript saved;
    saved.Expect("58C22CFG",
                 ModalScript::Inspect([&](HWND) { EXPECT_NE(session.Main(), nullptr); }, IDOK));
    ASSERT_TRUE(saved.Run([&] {
        // Waiting in the queue, they come while the save runs.
        PostMessageA(session.Main(), WM_CLOSE, 0, 0);
        PostMessageA(session.Main(), WM_COMMAND, IDM_FILE_SAVE, 0);
        ChooseMenu(session.Main(), IDM_FILE_SAVE);
    }));
    EXPECT_EQ(saved.Texts(), std::vector<std::string>{Saved(image)});
    EXPECT_TRUE(PumpUntil([&] { return session.Main() == nullptr; }));
    EXPECT_EQ(DescriptionIn(image), "saved before closing");
    EXPECT_EQ(std::filesystem::file_size(image), kLength);
}

// A named callback: on 32-bit x86 a lambda does not convert to the
// system's stdcall callback type. Finds the process's visible main window.
BOOL CALLBACK TakeMainWindow(HWND window, LPARAM param) {
    auto& [processId, found] = *reinterpret_cast<std::pair<DWORD, HWND>*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != processId || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != nullptr) {
        return TRUE;
    }
    found = window;
    return FALSE;
}

TEST(Shell, TheProgramTitlesAFileOfAnyNameFromItsCommandLine) {
    const std::wstring program =
        platform::Widen(WindowsPath(std::string(K7R_BINARY_DIR) + "/cfgui/58C22CFG.EXE"));
    std::wstring commandLine =
        L"58C22CFG.EXE \"" + platform::Widen(AnyNameImage(test::ScratchDirectory())) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &started));
    std::pair<DWORD, HWND> search{started.dwProcessId, nullptr};
    EXPECT_TRUE(PumpUntil(
        [&] {
            EnumWindows(TakeMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.second != nullptr &&
                   win32::WindowText(search.second) == std::string(kAnyName) + " - " + kTitle;
        },
        20000));
    if (search.second != nullptr) {
        PostMessageW(search.second, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(started.hProcess, kStepTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
        ADD_FAILURE() << "the program did not end on WM_CLOSE";
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

// Each image that holds no record gives its message, the window goes on
// answering, and the file open before stays open and saves.
TEST(Shell, FuzzCorporaLeaveTheOpenFileOpenAndSavable) {
    Session session;
    const std::string directory = test::ScratchDirectory();
    const std::string board = TestImageIn(directory, "board.exe");
    ASSERT_TRUE(session.window.OpenFile(board));
    const std::string title = session.Title();

    const std::pair<const char*, const char*> corpora[] = {
        {"record_search", ".exe"}, {"srec_text", ".s19"}, {"prc_database", ".prc"}};
    int refused = 0;
    for (const auto& [corpus, extension] : corpora) {
        const std::string from =
            WindowsPath(std::string(K7R_SOURCE_DIR) + "/fuzz/corpus/" + corpus);
        const auto entries = platform::ListDirectory(from);
        ASSERT_TRUE(entries) << from;
        for (const platform::DirectoryEntry& entry : *entries) {
            if (entry.directory) {
                continue;
            }
            const std::string copy = WindowsPath(directory + "/" + entry.name + extension);
            test::WriteFileBytes(copy, test::ReadFileBytes(platform::JoinPath(from, entry.name)));
            // A seed that holds a record is no hostile file.
            config::WorkingConfig probe(TemplateRecord);
            if (containers::OpenConfigFile(copy, probe, [](const std::string&) {})) {
                continue;
            }
            ASSERT_TRUE(ModalScript().Expect("58C22CFG", ModalScript::Press(IDOK)).Run([&] {
                session.window.OpenFile(copy);
            })) << copy;
            EXPECT_EQ(session.Title(), title) << copy;
            ++refused;
        }
    }
    EXPECT_GT(refused, 40);

    std::strcpy(session.app.session.config.Record.Description, "kept through the corpora");
    ASSERT_TRUE(ModalScript().Expect("58C22CFG", ModalScript::Press(IDOK)).Run([&] {
        ChooseMenu(session.Main(), IDM_FILE_SAVE);
    }));
    EXPECT_EQ(DescriptionIn(board), "kept through the corpora");
}

// The tabs' tips, the delay items, and a message too long for the pane
// shown in full in its tip, until tips are switched off; the About box.
TEST(Shell, TipsFollowTheHelpMenuAndItsAboutBoxShowsTheVersion) {
    Session session;
    const HWND tip = session.window.TooltipWindow();
    ASSERT_NE(tip, nullptr);
    char text[256] = {};
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = session.window.TabControl();
    tool.uId = 2;
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "Configure K7R58C22 input clocks.");

    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 250);
    ASSERT_TRUE(ChooseMenu(session.Main(), IDM_DELAY_5S));
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 5000);
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 30000);
    EXPECT_TRUE(MenuItemChecked(session.Main(), IDM_DELAY_5S));
    EXPECT_FALSE(MenuItemChecked(session.Main(), IDM_DELAY_250MS));

    const std::string message = "NOTE: " + std::string(294, 'x');
    session.window.Reporter().ReportStatus(IDC_TEST_FIELD, kReportRemember, message);
    const HWND pane = GetDlgItem(session.Main(), IDC_DIAGNOSTICS);
    EXPECT_EQ(session.PaneText(), message);
    EXPECT_EQ(session.TipOf(pane), message);
    EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 600);
    ASSERT_TRUE(ChooseMenu(session.Main(), IDM_HELP_TOOLTIPS));
    EXPECT_EQ(session.TipOf(pane), "");
    EXPECT_FALSE(MenuItemChecked(session.Main(), IDM_HELP_TOOLTIPS));

    std::string version;
    ModalScript about;
    about.Expect(
        "About 58C22CFG",
        ModalScript::Inspect(
            [&](HWND box) { version = win32::WindowText(GetDlgItem(box, IDC_ABOUT_VERSION)); },
            IDOK));
    ASSERT_TRUE(about.Run([&] { ChooseMenu(session.Main(), IDM_HELP_ABOUT); }));
    EXPECT_EQ(version, "58C22CFG Version 2.00  (Build 17)");
}

TEST(Shell, OldCommonControlsEndTheProgramWithTheOffer) {
    ModalScript offer;
    offer.Expect("58C22CFG", ModalScript::Press(IDYES))
        .Expect("58C22CFG", ModalScript::Press(IDOK));
    win32::ProgramOptions options;
    options.commonControlsVersion = 4 * 256;
    int status = 0;
    ASSERT_TRUE(offer.Run([&] { status = win32::RunProgram(GetModuleHandleA(nullptr), options); }));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(offer.Texts(),
              (std::vector<std::string>{
                  "This program requires version 4.71 (or greater) common controls.\n"
                  "Your system is using version 4.00 common controls.\n\n"
                  "Do you want to exit this program and update to version 5.80 common controls?",
                  "Unable to update common controls."}));
}

} // namespace
} // namespace k7r::cfgui::gui
