// File names of any script in the window under Wine: an image named in
// Greek, Chinese and with an emoji, in a directory named in Cyrillic and
// Japanese, opened from the program's command line and from File Open,
// saved, and dropped for Configure Multiple. The title, the lists and the
// messages show the name as it is, and the records read back.
#include "cfgui/resource.h"
#include "cfgui/win32/win32_text.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "platform/win32/wide_text.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace k7r::cfgui::gui {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTitle = "K7R58C22 Configuration Utility  (Build 17)";
constexpr const char* kName = "Ελληνικά 中文 🎛.exe";

// The test image under the name, in a directory named in Cyrillic and
// Japanese; its path as the window is given it.
std::string NamedImage() {
    const std::string directory = test::ScratchDirectory() + "/Кириллица 日本語";
    const std::string path = directory + "/" + kName;
    fs::create_directories(fs::path(std::u8string(directory.begin(), directory.end())));
    fs::copy_file(test::TestImagePath("carrier.exe"),
                  fs::path(std::u8string(path.begin(), path.end())));
    return WindowsPath(path);
}

std::string DescriptionIn(const std::string& path) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_TRUE(containers::OpenConfigFile(path, config,
                                           [](const std::string& text) { ADD_FAILURE() << text; }));
    return config.Record.Description;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

// A named callback: on 32-bit x86 a lambda does not convert to the
// system's stdcall callback type.
BOOL CALLBACK TakeMainWindow(HWND window, LPARAM param) {
    auto& wanted = *reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != wanted.processId || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != nullptr) {
        return TRUE;
    }
    wanted.found = window;
    return FALSE;
}

// The process's visible main window, once it has one.
HWND MainWindowOf(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(TakeMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ListItem(HWND list, int index) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return platform::Narrow(text);
}

TEST(AnyName, OnTheProgramsCommandLineTheTitleNamesTheFile) {
    const std::string path = NamedImage();
    const std::wstring program =
        platform::Widen(WindowsPath(std::string(K7R_BINARY_DIR) + "/cfgui/58C22CFG.EXE"));
    std::wstring commandLine = L"58C22CFG.EXE \"" + platform::Widen(path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &started));
    const std::string expected = std::string(kName) + " - " + kTitle;
    HWND window = nullptr;
    EXPECT_TRUE(PumpUntil(
        [&] {
            window = MainWindowOf(started.dwProcessId);
            return window != nullptr && win32::WindowText(window) == expected;
        },
        20000))
        << (window != nullptr ? win32::WindowText(window) : "no window");
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(started.hProcess, kStepTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
        ADD_FAILURE() << "the program did not end on WM_CLOSE";
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

TEST(AnyName, OpenedFromFileOpenItIsTitledAndSaved) {
    Session session;
    const std::string path = NamedImage();
    ModalScript opened;
    opened.Expect("Open", ModalScript::ChooseFile(path));
    ASSERT_TRUE(opened.Run([&] { ChooseMenu(session.Main(), IDM_FILE_OPEN); }));
    EXPECT_EQ(session.Title(), std::string(kName) + " - " + kTitle);

    std::strcpy(session.app.session.config.Record.Description, "saved under any name");
    ModalScript saved;
    saved.Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(saved.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }));
    EXPECT_EQ(saved.Texts().at(0), "Configuration data saved in file \"" + path + "\".");
    EXPECT_EQ(DescriptionIn(path), "saved under any name");
}

TEST(AnyName, DroppedItIsListedAndConfigured) {
    Session session;
    const std::string path = NamedImage();
    std::strcpy(session.app.session.config.Record.Description, "configured under any name");
    std::string listed;
    ModalScript script;
    script
        .Expect("Configure Multiple",
                [&](HWND dialog) {
                    listed = ListItem(GetDlgItem(dialog, IDC_SELECTION_LIST), 0);
                    PostMessageW(GetDlgItem(dialog, IDC_CONFIGURE), BM_CLICK, 0, 0);
                })
        .Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(script.Run([&] { DropFiles(session.Main(), {path}); }));
    EXPECT_EQ(listed, path);
    EXPECT_EQ(script.Texts().at(1), "Summary of configured files:\n\nOK\t" + path + "\n");
    EXPECT_EQ(DescriptionIn(path), "configured under any name");
}

} // namespace
} // namespace k7r::cfgui::gui
