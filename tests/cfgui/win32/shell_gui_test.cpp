#include "cfgui/diagnostics_reporter.h"
#include "cfgui/resource.h"
#include "cfgui/tabs.h"
#include "cfgui/win32/common_controls.h"
#include "cfgui/win32/program.h"
#include "cfgui/win32/win32_text.h"
#include "cfgui/win32/win32_view.h"
#include "regs/field_values.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/cfgui/win32/test_page.h"
#include "tests/cfgui/win32/test_resource.h"
#include "tests/support/test_files.h"

#include <commctrl.h>

#include <cstdlib>
#include <gtest/gtest.h>

namespace k7r::cfgui::gui {
namespace {

constexpr const char* kTitleTail = " - K7R58C22 Configuration Utility  (Build 17)";

// A copy of a program image the build makes, in the directory of the test.
std::string CopyOfImage(const std::string& directory, const std::string& name) {
    const std::string path = directory + "/" + name;
    test::WriteFileBytes(path, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
    return path;
}

// File Open, answered with the path.
bool OpenThroughDialog(Session& session, const std::string& path) {
    ModalScript script;
    script.Expect("Open", ModalScript::ChooseFile(WindowsPath(path)));
    return script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_OPEN); });
}

TEST(Shell, SaveNeedsAFileThatOpenProvides) {
    Session session;
    ASSERT_NE(session.Main(), nullptr);
    EXPECT_FALSE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE));
    EXPECT_FALSE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE_AS));
    EXPECT_FALSE(ChooseMenu(session.Main(), IDM_FILE_SAVE));
    EXPECT_EQ(GetMenuState(GetMenu(session.Main()), IDM_HELP_HIDDEN, MF_BYCOMMAND), 0xFFFFFFFFu);

    const std::string image = CopyOfImage(test::ScratchDirectory(), "viewer.exe");
    ASSERT_TRUE(OpenThroughDialog(session, image));
    EXPECT_EQ(session.Title(), std::string("viewer.exe") + kTitleTail);
    EXPECT_TRUE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE));
    EXPECT_TRUE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE_AS));
}

TEST(Shell, SaveAndSaveAsReportTheFileWritten) {
    Session session;
    const std::string directory = test::ScratchDirectory();
    const std::string image = CopyOfImage(directory, "board.exe");
    ASSERT_TRUE(session.window.OpenFile(WindowsPath(image)));

    ModalScript saved;
    POINT offCentre{};
    saved.Expect("58C22CFG",
                 ModalScript::Inspect(
                     [&](HWND box) {
                         RECT own;
                         RECT main;
                         GetWindowRect(box, &own);
                         GetWindowRect(session.Main(), &main);
                         offCentre = {(own.left + own.right) - (main.left + main.right),
                                      (own.top + own.bottom) - (main.top + main.bottom)};
                     },
                     IDOK));
    ASSERT_TRUE(saved.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }));
    EXPECT_EQ(saved.Texts().at(0),
              "Configuration data saved in file \"" + WindowsPath(image) + "\".");
    EXPECT_LE(std::abs(offCentre.x), 2);
    EXPECT_LE(std::abs(offCentre.y), 2);

    const std::string copy = directory + "/copy.exe";
    ModalScript savedAs;
    savedAs.Expect("Save As", ModalScript::ChooseFile(WindowsPath(copy)))
        .Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(savedAs.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE_AS); }));
    EXPECT_EQ(savedAs.Texts().at(1),
              "Configuration data saved in file \"" + WindowsPath(copy) + "\".");
    EXPECT_EQ(session.Title(), std::string("copy.exe") + kTitleTail);
    EXPECT_TRUE(test::FileExists(copy));
}

TEST(Shell, FailedSaveForgetsTheFile) {
    Session session;
    const std::string image = CopyOfImage(test::ScratchDirectory(), "gone.exe");
    ASSERT_TRUE(session.window.OpenFile(WindowsPath(image)));
    DeleteFileA(WindowsPath(image).c_str());

    ModalScript failed;
    failed.Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(failed.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }));
    EXPECT_NE(failed.Texts().at(0).find("gone.exe"), std::string::npos) << failed.Texts().at(0);
    EXPECT_FALSE(MenuItemEnabled(session.Main(), IDM_FILE_SAVE));
    EXPECT_EQ(session.Title(), "K7R58C22 Configuration Utility  (Build 17)");
}

TEST(Shell, InvalidEntryHoldsTheTabUntilFixed) {
    Session session(PagesWithTestPage());
    ASSERT_TRUE(session.app.active) << "the main window never became active";
    const HWND field = session.Control(IDC_TEST_FIELD);
    TypeInto(field, "12x");
    EXPECT_FALSE(SelectTab(session, 2));
    EXPECT_EQ(session.CurrentTab(), 0);
    EXPECT_EQ(session.app.diagnostics.lock, IDC_TEST_FIELD);
    EXPECT_EQ(session.PaneText().rfind("ERROR: \"12x\" is not a valid Horz Total (must be ", 0), 0u)
        << session.PaneText();
    EXPECT_TRUE(session.app.diagnostics.error);
    EXPECT_EQ(GetFocus(), field);
    EXPECT_EQ(win32::WindowText(field), "352") << "the field shows the setting again";

    session.window.Reporter().ReportStatus(IDC_TEST_NEXT, kReportRemember, "NOTE: other.\n");
    EXPECT_EQ(session.PaneText().rfind("ERROR: ", 0), 0u) << "another report replaced the error";

    TypeInto(field, "400");
    EXPECT_TRUE(SelectTab(session, 2));
    EXPECT_EQ(session.app.diagnostics.lock, 0);
    EXPECT_EQ(regs::GetFieldValue(session.app.session.config, kTestSetting), 400u);
}

TEST(Shell, EnterCommitsTheFieldAndKeepsTheWindow) {
    Session session(PagesWithTestPage());
    TypeInto(session.Control(IDC_TEST_FIELD), "352");
    PressKey(VK_RETURN);
    EXPECT_TRUE(IsWindow(session.Main()));
    EXPECT_EQ(GetFocus(), session.Control(IDC_TEST_NEXT));
    EXPECT_EQ(regs::GetFieldValue(session.app.session.config, kTestSetting), 352u);
}

TEST(Shell, EnterInAListReachesThePage) {
    Session session(PagesWithTestPage());
    FocusOn(session.Control(IDC_TEST_LIST));
    PressKey(VK_RETURN);
    EXPECT_GE(TestPageLog().listEvents, 1);
    EXPECT_EQ(TestPageLog().lastListEvent, ListEvent::Enter);
    EXPECT_EQ(TestPageLog().lastLine, 1);
}

TEST(Shell, ReportListShowsItsColumnsSizedToTheirTexts) {
    Session session(PagesWithTestPage());
    const HWND list = session.Control(IDC_TEST_LIST);
    win32::Win32View view(session.Page());
    EXPECT_EQ(view.LineText(IDC_TEST_LIST, 1, 0), "22");
    EXPECT_EQ(view.LineText(IDC_TEST_LIST, 1, 1), "second");
    EXPECT_EQ(view.ItemText(IDC_TEST_LIST, 0), "1");
    // The list view draws its own first column to the left whatever its
    // format: the right-aligned column shown first is not that one.
    int order[2] = {};
    ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order)));
    EXPECT_NE(order[0], 0);
    const char* titles[] = {"Value", "Feature"};
    for (int shown = 0; shown < 2; ++shown) {
        const int column = order[shown];
        char title[32] = {};
        LVCOLUMNA read{};
        read.mask = LVCF_FMT | LVCF_TEXT;
        read.pszText = title;
        read.cchTextMax = sizeof title;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&read)));
        EXPECT_STREQ(title, titles[shown]);
        EXPECT_EQ(read.fmt & LVCFMT_JUSTIFYMASK, shown == 0 ? LVCFMT_RIGHT : LVCFMT_LEFT);
        const auto width = SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0);
        EXPECT_GT(width, SendMessageA(list, LVM_GETSTRINGWIDTHA, 0,
                                      reinterpret_cast<LPARAM>(titles[shown])));
    }
}

TEST(Shell, SliderFollowsTheMouseInSteps) {
    Session session(PagesWithTestPage());
    const HWND slider = session.Control(IDC_TEST_SLIDER);
    RECT client;
    GetClientRect(slider, &client);
    const int x = (client.right - 1) * 35 / 100; // 35 raised to the step: 40
    SendMessageA(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 2));
    EXPECT_EQ(GetCapture(), slider);
    EXPECT_EQ(GetFocus(), session.Control(IDC_TEST_NEXT));
    SendMessageA(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right + 50, 2));
    SendMessageA(slider, WM_LBUTTONUP, 0, MAKELPARAM(client.right + 50, 2));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TestPageLog().scrollEvents, 2);
    EXPECT_EQ(TestPageLog().lastPosition, 100);
    EXPECT_EQ(SendMessageA(slider, PBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(win32::WindowText(session.Control(IDC_TEST_NEXT)), "100");
}

TEST(Shell, TabsHaveTheirTipsAndTheDelayItemSetsTheTimes) {
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
    EXPECT_TRUE(MenuItemChecked(session.Main(), IDM_DELAY_250MS));

    ASSERT_TRUE(ChooseMenu(session.Main(), IDM_DELAY_5S));
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 5000);
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 1000);
    EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 30000);
    EXPECT_TRUE(MenuItemChecked(session.Main(), IDM_DELAY_5S));
    EXPECT_FALSE(MenuItemChecked(session.Main(), IDM_DELAY_250MS));
}

// What the pane's tip would show now, asked as the tooltip control asks.
std::string PaneTip(Session& session) {
    const HWND pane = GetDlgItem(session.Main(), IDC_DIAGNOSTICS);
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = session.window.TooltipWindow();
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(pane);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(session.Main(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? info.lpszText : "";
}

TEST(Shell, LongMessageShowsInFullInThePaneAndItsTip) {
    Session session;
    std::string message;
    while (message.size() < 300) {
        message += "NOTE: a long message for the pane. ";
    }
    message.resize(300);
    session.window.Reporter().ReportStatus(IDC_TEST_FIELD, kReportRemember, message);
    EXPECT_EQ(session.PaneText(), message);
    EXPECT_EQ(PaneTip(session), message);
    EXPECT_EQ(SendMessageA(session.window.TooltipWindow(), TTM_GETMAXTIPWIDTH, 0, 0), 600);

    ASSERT_TRUE(ChooseMenu(session.Main(), IDM_HELP_TOOLTIPS));
    EXPECT_EQ(PaneTip(session), "");
    EXPECT_FALSE(MenuItemChecked(session.Main(), IDM_HELP_TOOLTIPS));
}

TEST(Shell, AboutBoxShowsTheVersion) {
    Session session;
    std::string version;
    ModalScript about;
    about.Expect("About 58C22CFG",
                 ModalScript::Inspect(
                     [&](HWND box) {
                         version = win32::WindowText(GetDlgItem(box, IDC_ABOUT_VERSION));
                         Screenshot("about", session.Main());
                     },
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
    EXPECT_EQ(offer.Texts().at(0),
              "This program requires version 4.71 (or greater) common controls.\n"
              "Your system is using version 4.00 common controls.\n\n"
              "Do you want to exit this program and update to version 5.80 common controls?");
    EXPECT_EQ(offer.Texts().at(1), "Unable to update common controls.");
}

TEST(Shell, EveryTabOpensItsPage) {
    Session session;
    const std::string image = CopyOfImage(test::ScratchDirectory(), "sample.exe");
    ASSERT_TRUE(session.window.OpenFile(WindowsPath(image)));
    for (int tab = 0; tab < static_cast<int>(kTabCount); ++tab) {
        ASSERT_TRUE(SelectTab(session, tab)) << tab;
        EXPECT_NE(session.Page(), nullptr) << tab;
        EXPECT_TRUE(Screenshot("tab" + std::to_string(tab), session.Main())) << tab;
    }
}

} // namespace
} // namespace k7r::cfgui::gui
