// One scenario a tab page on the real main window under Wine, with a program
// image open: the page's controls reach the configuration through the core
// and show what it holds, and the Panel Diagrams window follows them. The
// rules themselves are the native tests'.
#include "cfgui/resource.h"
#include "cfgui/win32/diagrams_window.h"
#include "cfgui/win32/win32_text.h"
#include "cfgui/win32/win32_view.h"
#include "emu/emulated_driver.h"
#include "hal/access.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/edit/pattern_model.h"
#include "tests/emu/png_reader.h"
#include "tests/support/test_files.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string_view>

namespace k7r::cfgui::gui {
namespace {

// Whether the picture the window shows has a label that starts so.
bool Labelled(const win32::DiagramsWindow& window, std::string_view start) {
    return std::ranges::any_of(window.Logic().Shown().labels, [&](const diagrams::Label& label) {
        return label.text.starts_with(start);
    });
}

// The viewer's record in a program image, open in the utility, with the
// panels that ship beside it.
class PagesGui : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session.app.panels.LoadFile(
            WindowsPath(std::string(K7R_SOURCE_DIR) + "/panels/PANELS.DEF"),
            [](const std::string& text) { ADD_FAILURE() << text; }));
        ASSERT_TRUE(session.window.OpenFile(TestImageIn(directory)));
        ASSERT_TRUE(session.app.active) << "the main window never became active";
    }

    HWND Control(int id) const { return session.Control(id); }
    std::string Text(int control) const { return win32::WindowText(Control(control)); }
    bool Checked(int control) const {
        return SendMessageA(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    std::uint32_t Get(std::uint32_t id) {
        return regs::GetFieldValue(session.app.session.config, id);
    }
    // The line of the report list whose column holds the text; -1 for none.
    int LineWith(int list, int column, const std::string& text) const {
        const win32::Win32View view(session.Page());
        for (int line = 0; line < view.ItemCount(list); ++line) {
            if (view.LineText(list, line, column) == text) {
                return line;
            }
        }
        return -1;
    }

    const std::string directory = test::ScratchDirectory();
    Session session;
};

// Each page's choices and entries reach the configuration.
TEST_F(PagesGui, GeneralPreferencesAndClocksEditWhatSaveWrites) {
    ASSERT_TRUE(SelectTab(session, kGeneralTab));
    Click(Control(IDC_PLATFORM_SH3));
    EXPECT_EQ(Text(IDC_BUFFER_ADDRESS), "04000000");
    Click(Control(IDC_PLATFORM_USER));
    TypeInto(Control(IDC_REGISTER_ADDRESS), "1f000abc");
    FocusOn(Control(IDC_USB_SUPPORT));
    EXPECT_EQ(Text(IDC_REGISTER_ADDRESS), "1F000ABC");

    ASSERT_TRUE(SelectTab(session, kPreferencesTab));
    Click(Control(IDC_BPP_16));
    EXPECT_TRUE(Checked(IDC_BPP_16));
    EXPECT_FALSE(Checked(IDC_BPP_8));
    // Enter makes a line break in the description, not a move to the next
    // control.
    const HWND description = Control(IDC_DESCRIPTION);
    TypeInto(description, "Lab board");
    PressKey(VK_RETURN);
    EXPECT_EQ(GetFocus(), description);
    SendMessageA(description, WM_CHAR, 'B', 1);
    FocusOn(Control(IDC_BPP_16));
    EXPECT_EQ(win32::WindowText(description), "Lab board\r\nB");

    ASSERT_TRUE(SelectTab(session, kClocksTab));
    TypeInto(Control(IDC_CLKI_TIMING), "25.175");
    FocusOn(Control(IDC_PCLK_SOURCE));
    EXPECT_EQ(Text(IDC_CLKI_TIMING), "25.175");
    PickItem(Control(IDC_PCLK_SOURCE), 2); // CLKI
    PickItem(Control(IDC_PCLK_DIVIDE), 2); // 2:1
    EXPECT_EQ(Text(IDC_PCLK_TIMING), " 12.587 MHz");
    EXPECT_FALSE(session.app.diagnostics.error) << session.PaneText();

    EXPECT_EQ(Get(regs::kIdRegPhysAddr), 0x1F000ABCu);
    EXPECT_EQ(Get(regs::kIdBitsPerPixel), 16u);
    EXPECT_EQ(regs::FormatFieldValue(session.app.session.config, regs::kIdDescription),
              "Lab board\nB");
    EXPECT_EQ(Get(regs::kIdClkI), 25175000u);
    EXPECT_EQ(Get(regs::kIdPclkDivide), 2u);
}

// A predefined panel applied, a timing edited through its line's editor
// and followed by the Panel Diagrams window, and a power pin chosen.
TEST_F(PagesGui, PanelAndPanelPowerPagesEditThePanel) {
    ASSERT_TRUE(SelectTab(session, kPanelTab));
    PickItem(Control(IDC_PREDEFINED_PANELS), 0); // "QVGA TFT 320x240 18-bit"
    EXPECT_EQ(Get(regs::kIdPanelType), 1u);
    EXPECT_EQ(Get(regs::kIdHorzTotal), 400u);
    EXPECT_EQ(Text(IDC_FRAME_RATE), " 59 Hz");
    ASSERT_TRUE(ChooseMenu(session.Main(), IDM_VIEW_DIAGRAMS));
    const win32::DiagramsWindow& diagrams = session.window.Diagrams();
    ASSERT_NE(diagrams.Window(), nullptr);
    EXPECT_EQ(GetWindow(diagrams.Window(), GW_OWNER), session.Main());

    const int line = LineWith(IDC_FEATURE_LIST, 1, "Horizontal Total");
    ASSERT_GE(line, 0);
    EXPECT_EQ(win32::Win32View(session.Page()).LineText(IDC_FEATURE_LIST, line, 0), "400");
    ClickLine(Control(IDC_FEATURE_LIST), line);
    ASSERT_TRUE(IsWindowVisible(Control(IDC_FEATURE_NUMBER)));
    TypeInto(Control(IDC_FEATURE_NUMBER), "408");
    FocusOn(Control(IDC_FEATURE_LIST));
    EXPECT_EQ(Get(regs::kIdHorzTotal), 408u);
    EXPECT_EQ(win32::Win32View(session.Page()).LineText(IDC_FEATURE_LIST, line, 0), "408");
    EXPECT_TRUE(PumpUntil([&] { return Labelled(diagrams, "Horz Total 408 pixels = "); }));
    PickItem(GetDlgItem(diagrams.Window(), IDC_DIAGRAMS_SHOW), 1);
    EXPECT_TRUE(Labelled(diagrams, "PCLK / (408 x "));
    SendMessageA(diagrams.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(diagrams.Window(), nullptr);
    EXPECT_EQ(SendMessageA(Control(IDC_PREDEFINED_PANELS), CB_GETCURSEL, 0, 0),
              SendMessageA(Control(IDC_PREDEFINED_PANELS), CB_GETCOUNT, 0, 0) - 1)
        << "Custom panel";

    PickItem(Control(IDC_PANEL_TYPE), 0); // STN: power through a GPO pin
    ASSERT_TRUE(SelectTab(session, kPowerTab));
    EXPECT_EQ(Text(IDC_POWER_ENABLE), "&Enable power panel support (using GPO)");
    if (!Checked(IDC_POWER_ENABLE)) {
        Click(Control(IDC_POWER_ENABLE));
    }
    Click(Control(IDC_POWER_PIN_0 + 9));
    EXPECT_EQ(Get(regs::kIdGpoPowerMask), 0x200u);
    EXPECT_TRUE(Checked(IDC_POWER_PIN_0 + 9));
}

// Enter on a line opens the Modify Register dialog, which keeps an
// unreadable value out.
TEST_F(PagesGui, RegistersPageModifiesARegisterThroughItsDialog) {
    ASSERT_TRUE(SelectTab(session, kRegistersTab));
    const HWND list = Control(IDC_REGISTER_LIST);
    const int line = LineWith(IDC_REGISTER_LIST, 0, "0010h   ");
    ASSERT_GE(line, 0);
    ListView_SetItemState(list, line, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    FocusOn(list);
    const auto typeValue = [](const char* text) {
        return [text](HWND dialog) { SetDlgItemTextA(dialog, IDC_MODIFY_REGISTER_VALUE, text); };
    };
    ModalScript script;
    script.Expect("Modify register 0010h", ModalScript::Inspect(typeValue("12G"), IDOK))
        .Expect("58C22CFG", ModalScript::Press(IDOK))
        .Expect("Modify register 0010h", ModalScript::Inspect(typeValue("10"), IDOK));
    ASSERT_TRUE(script.Run([] { PressKey(VK_RETURN); }));
    EXPECT_EQ(script.Texts()[1], "ERROR:Invalid value entered!");
    const win32::Win32View view(session.Page());
    EXPECT_EQ(view.LineText(IDC_REGISTER_LIST, line, 0), "0010h *");
    EXPECT_EQ(view.LineText(IDC_REGISTER_LIST, line, 1), "00000010h");
}

// The board emulator behind the Direct tab, as 58C22CFG.EXE offers it: the
// panel picture it writes is what a user watching the board would see. The
// live timer outlives the Direct tab: a depth chosen on the Preferences tab
// shows in the pattern a tick later.
TEST_F(PagesGui, DirectPageDrivesTheBoardLive) {
    PrepareEmulatedBoard(directory + "/board");
    const std::string panel = WindowsPath(directory + "/board/panel.png");
    emu::TheBoard().PowerOn();
    config::WorkingConfig& config = session.app.session.config;
    const bool colour = Get(regs::kIdColorPanel) != 0;

    ASSERT_TRUE(SelectTab(session, kDirectTab));
    Click(Control(IDC_INITIALIZE_CHIP));
    ASSERT_TRUE(config.Bound);
    EXPECT_EQ(session.PaneText().rfind("Initialized K7R58C22 using HAL build 2.", 0), 0u);
    Click(Control(IDC_DRAW_TEST_PATTERN));
    std::optional<emu::Picture> picture = test::ReadPng(panel);
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(test::ShowsPattern(*picture, 8, colour));

    Click(Control(IDC_WRITE_IMMEDIATELY));
    EXPECT_TRUE(session.window.LiveTimerRunning());
    Click(Control(IDC_REDRAW_AFTER_CHANGE));
    ASSERT_TRUE(SelectTab(session, kPreferencesTab));
    Click(Control(IDC_BPP_16));
    EXPECT_TRUE(PumpUntil([&] {
        picture = test::ReadPng(panel);
        return picture && test::ShowsPattern(*picture, 16, colour);
    }));

    ASSERT_TRUE(SelectTab(session, kDirectTab));
    Click(Control(IDC_SHUTDOWN_CHIP));
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(session.window.LiveTimerRunning());
    EXPECT_TRUE(emu::TheBoard().BusErrors().empty());
    hal::ReleaseChip();
    _putenv_s(emu::kEmulatorVariable, "");
}

} // namespace
} // namespace k7r::cfgui::gui
