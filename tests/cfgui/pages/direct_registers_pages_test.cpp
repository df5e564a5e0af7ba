// The Direct and Registers tabs on fake controls. Direct, over the board
// emulator: the run's options, what is usable when, initialization, shutdown
// and the live timer (the chip session is the editing core's). Registers: the
// lines, the marks of registers changed by hand or overwritten by other tabs,
// the Modify Register dialog, the tooltips and the refresh on the live timer.
#include "cfgui/dialogs/modify_register_dialog.h"
#include "cfgui/pages/direct_page.h"
#include "cfgui/pages/registers_page.h"
#include "cfgui/tooltip_text.h"
#include "edit/rules/preferences_rules.h"
#include "regs/register_access.h"
#include "tests/cfgui/page_harness.h"
#include "tests/hal/chip_fixture.h"

namespace k7r::cfgui {
namespace {

class DirectPageTest : public test::ChipTest, protected fake::PageHarness {
  protected:
    void SetUp() override {
        ChipTest::SetUp();
        Open(MakeDirectPage);
    }
};

constexpr int kUsableWhenBound[] = {IDC_ADDITIONAL_OPTIONS, IDC_WRITE_IMMEDIATELY,
                                    IDC_DRAW_TEST_PATTERN, IDC_SHUTDOWN_CHIP};

TEST_F(DirectPageTest, OpensWithTheRunsOptionsAndNothingToUseYet) {
    EXPECT_FALSE(view[IDC_SOFTWARE_RESET].shown);
    for (const int option : {IDC_PROGRAM_CLOCK_CHIP, IDC_INIT_REGISTERS, IDC_INIT_LOOKUP_TABLE,
                             IDC_CLEAR_VIDEO_MEMORY}) {
        EXPECT_TRUE(view[option].checked) << option;
    }
    for (const int control : kUsableWhenBound) {
        EXPECT_FALSE(view[control].enabled) << control;
    }
    EXPECT_FALSE(view[IDC_REDRAW_AFTER_CHANGE].enabled);
    EXPECT_EQ(page->TextColourOf(IDC_DIRECT_NOTE)->red, 175);
    app.tooltips.enabled = true;
    EXPECT_EQ(TooltipText(app, page.get(), IDC_INIT_REGISTERS),
              "Program all K7R58C22 registers during initialization.");

    // The options last while the program runs, not while the page does.
    Click(IDC_INIT_LOOKUP_TABLE);
    Open(MakeDirectPage);
    EXPECT_FALSE(view[IDC_INIT_LOOKUP_TABLE].checked);
    Click(IDC_INITIALIZE_CHIP);
    EXPECT_EQ(board().LutEntry(255), 0u);

    // Without clock chip support its box is cleared, though the option stays.
    ASSERT_TRUE(regs::SetFieldValue(Config(), regs::kIdClockChip, 0));
    Open(MakeDirectPage);
    EXPECT_FALSE(view[IDC_PROGRAM_CLOCK_CHIP].checked);
    EXPECT_FALSE(view[IDC_PROGRAM_CLOCK_CHIP].enabled);
    EXPECT_TRUE(app.session.initSteps.programClockChip);
}

// The live timer runs exactly while the configuration is hot to the chip.
TEST_F(DirectPageTest, InitializeLiveAndShutdown) {
    Click(IDC_INITIALIZE_CHIP);
    EXPECT_EQ(pane.text.rfind("Initialized K7R58C22 using HAL build 2.", 0), 0u);
    for (const int control : kUsableWhenBound) {
        EXPECT_TRUE(view[control].enabled) << control;
    }
    EXPECT_FALSE(view[IDC_REDRAW_AFTER_CHANGE].enabled);

    Click(IDC_WRITE_IMMEDIATELY);
    EXPECT_TRUE(Config().Live);
    EXPECT_TRUE(services.timerRunning);
    EXPECT_TRUE(view[IDC_REDRAW_AFTER_CHANGE].enabled);
    Click(IDC_REDRAW_AFTER_CHANGE);
    EXPECT_TRUE(Config().AutoRedraw);
    Click(IDC_WRITE_IMMEDIATELY);
    EXPECT_FALSE(services.timerRunning);
    Click(IDC_WRITE_IMMEDIATELY);
    Click(IDC_SHUTDOWN_CHIP);
    EXPECT_FALSE(Config().Bound);
    EXPECT_FALSE(Config().Live);
    EXPECT_FALSE(services.timerRunning);
    EXPECT_EQ(services.timerChanges, 4);
    EXPECT_FALSE(view[IDC_SHUTDOWN_CHIP].enabled);
    EXPECT_EQ(pane.text.find("Initialized"), std::string::npos);
}

class RegistersPageTest : public ::testing::Test, protected fake::PageHarness {
  protected:
    void SetUp() override { OpenTab(); }
    void OpenTab() { Open(MakeRegistersPage); }

    // The first line of the register from the given one on.
    int LineOf(std::uint32_t reg, int from = 0) {
        for (int position = from; regs::EnumRegister(Config(), position).more; ++position) {
            if (regs::EnumRegister(Config(), position).reg == reg) {
                return position;
            }
        }
        ADD_FAILURE() << "no line for " << reg;
        return -1;
    }

    const std::vector<std::string>& Line(int position) {
        return view[IDC_REGISTER_LIST].lines.at(static_cast<std::size_t>(position));
    }

    // The user types the text into the Modify Register dialog of the line
    // and presses OK.
    void Modify(int position, std::string text) {
        services.users.push_back([text](ModalDialog&, fake::FakeView& dialog) {
            dialog[IDC_MODIFY_REGISTER_VALUE].text = text;
            return true;
        });
        page->OnList(IDC_REGISTER_LIST, ListEvent::DoubleClick, position);
    }

    std::string TipOf(int position) {
        page->OnList(IDC_REGISTER_LIST, ListEvent::HotLineChanged, position);
        return *page->Tooltip(IDC_REGISTER_LIST);
    }

    // The page's own message, before the configuration's diagnostics.
    bool PaneStartsWith(const std::string& message) { return pane.text.rfind(message, 0) == 0; }
};

TEST_F(RegistersPageTest, ListsTheTableInProgrammingOrder) {
    EXPECT_EQ(view[IDC_REGISTER_LIST].rightAligned,
              (std::vector<bool>{false, false, true, false, false}));
    EXPECT_EQ(Line(LineOf(0x10)),
              (Texts{"0010h   ", "00000008h", "         8", "Display Settings Register",
                     "00000000000000000000000000001000b"}));
    EXPECT_EQ(Line(LineOf(riDELAYON))[0], "DELAY   ");
    EXPECT_EQ(view[IDC_REGISTERS_WARNING].text, "");

    // USB registers are sixteen bits wide, in the dialog too.
    Config().Record.Regs[0] = {0x4010, 0xBEEF};
    OpenTab();
    EXPECT_EQ(Line(0)[1], "BEEFh");
    EXPECT_EQ(Line(0)[4], "1011111011101111b");

    services.users.push_back([](ModalDialog&, fake::FakeView& dialog) {
        EXPECT_EQ(dialog[IDC_MODIFY_REGISTER_VALUE].text, "BEEF");
        EXPECT_EQ(dialog[IDC_MODIFY_REGISTER_VALUE].limit, 4);
        return false;
    });
    page->OnList(IDC_REGISTER_LIST, ListEvent::Enter, -1); // no line, no dialog
    page->OnList(IDC_REGISTER_LIST, ListEvent::Enter, 0);
    EXPECT_EQ(services.titles, Texts{"Modify register 4010h"});
}

TEST_F(RegistersPageTest, EditingMarksOnlyAChangedValue) {
    const int settings = LineOf(0x10);
    Modify(settings, "00000008"); // the value it has
    EXPECT_EQ(Line(settings)[0], "0010h   ");

    Modify(settings, "10");
    EXPECT_EQ(Line(settings)[0], "0010h *");
    EXPECT_EQ(regs::ReadRegister(Config(), 0x10, settings), 0x10u);
    const std::string tip = TipOf(settings);
    EXPECT_EQ(tip.rfind("Register 0010h breakdown:", 0), 0u);
    EXPECT_NE(tip.find("\n__________________________________________________\n[ * ]  You modified "
                       "this register manually.  This register's \n  value would be 00000008h "
                       "if it was not modified."),
              std::string::npos);
    // Nothing overwritten: an empty report.
    EXPECT_FALSE(PaneStartsWith("1 "));

    const int delay = LineOf(riDELAYON);
    Modify(delay, "64");
    EXPECT_EQ(services.titles.back(), "Modify Delay");
    EXPECT_EQ(Config().Record.Regs[delay].Value, 100u);
}

TEST_F(RegistersPageTest, AnotherTabsChangeOverwritesTheHandMadeOne) {
    const int settings = LineOf(0x10);
    const int total = LineOf(0x20);
    Modify(settings, "00000004");
    // The Preferences tab's depth rewrites REG[10h].
    page.reset();
    ASSERT_TRUE(edit::ChooseColorDepth(app.session, 16).changed);
    OpenTab();
    EXPECT_EQ(Line(settings)[0], "0010h !");
    EXPECT_TRUE(PaneStartsWith("1 manually modified registers have been overwritten by other "
                               "tabs."));
    EXPECT_NE(TipOf(settings).find("\n[ ! ]  You had previously modified this register manually "
                                   "to\n  00000004h, however, when you switched tabs, your\n  "
                                   "modification was overwritten."),
              std::string::npos);

    Modify(total, "30");
    EXPECT_EQ(Line(total)[0], "0020h *");
    EXPECT_TRUE(PaneStartsWith("1 (out of 2) manually modified registers have been overwritten "
                               "by other tabs."));
}

TEST_F(RegistersPageTest, TheDialogSwitchesBasesAndRemembersTheLastOne) {
    const int settings = LineOf(0x10);
    services.users.push_back([](ModalDialog& dialog, fake::FakeView& view) {
        EXPECT_TRUE(view[IDC_MODIFY_HEXADECIMAL].checked);
        EXPECT_EQ(view[IDC_MODIFY_REGISTER_NAME].text, "Display Settings Register");
        view[IDC_MODIFY_REGISTER_VALUE].text = "FFFF";
        dialog.OnControl(view, IDC_MODIFY_DECIMAL, ControlEvent::Clicked);
        EXPECT_EQ(view[IDC_MODIFY_REGISTER_VALUE].text, "65535");
        EXPECT_EQ(view[IDC_MODIFY_REGISTER_VALUE].limit, 10);
        // An unreadable field stays as it is; the base changes all the same.
        view[IDC_MODIFY_REGISTER_VALUE].text = "12x";
        dialog.OnControl(view, IDC_MODIFY_HEXADECIMAL, ControlEvent::Clicked);
        EXPECT_EQ(view[IDC_MODIFY_REGISTER_VALUE].text, "12x");
        dialog.OnControl(view, IDC_MODIFY_DECIMAL, ControlEvent::Clicked);
        view[IDC_MODIFY_REGISTER_VALUE].text = "4096";
        return true;
    });
    page->OnList(IDC_REGISTER_LIST, ListEvent::DoubleClick, settings);
    EXPECT_EQ(Line(settings)[1], "00001000h");

    // An unreadable value keeps the dialog open to be corrected.
    int presses = 0;
    services.users.push_back([&presses](ModalDialog&, fake::FakeView& view) {
        if (++presses == 1) {
            EXPECT_TRUE(view[IDC_MODIFY_DECIMAL].checked);
            EXPECT_EQ(view[IDC_MODIFY_REGISTER_VALUE].text, "4096");
        }
        view[IDC_MODIFY_REGISTER_VALUE].text = presses == 1 ? "0x12" : "47";
        return true;
    });
    page->OnList(IDC_REGISTER_LIST, ListEvent::DoubleClick, settings);
    EXPECT_EQ(services.titles.back(), "Modify register 0010h");
    EXPECT_EQ(services.refusals, Texts{"ERROR:Invalid value entered!"});
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(Line(settings)[1], "0000002Fh");
}

TEST_F(RegistersPageTest, ARegisterListedTwiceWarnsOnTheEarlierLine) {
    const int first = LineOf(0x64);
    EXPECT_NE(TipOf(first).find("\n__________________________________________________\n"
                                "[ ALERT ]  This register also exists further down this list.\n"
                                "  Any changes to this register will be transient and will not\n"
                                "  be retained in the final register programming."),
              std::string::npos);
    EXPECT_EQ(TipOf(LineOf(0x64, first + 1)).find("ALERT"), std::string::npos);
    EXPECT_EQ(TipOf(-1), "");
}

TEST_F(RegistersPageTest, BindingToTheChipClearsTheMarksAndSaysSoOnce) {
    Modify(LineOf(0x10), "4");
    Config().Bound = Config().Live = true;
    OpenTab();
    EXPECT_EQ(view[IDC_REGISTER_LIST].lines.size(), 94u);
    for (const std::vector<std::string>& line : view[IDC_REGISTER_LIST].lines) {
        EXPECT_EQ(line[0].find_first_of("*!"), std::string::npos) << line[0];
    }
    EXPECT_TRUE(PaneStartsWith("Manually modified register information reset due to \"Hot to "
                               "Chip\" mode transisition."));
    EXPECT_EQ(view[IDC_REGISTERS_WARNING].text,
              "Warning: Modified register values will be written to the physical chip "
              "IMMEDIATELY!");
    OpenTab();
    EXPECT_FALSE(PaneStartsWith("Manually"));
}

// On the live timer's ticks: the first comparison 10 ticks after opening,
// then every 5; an overwritten register that gets the entered value back
// counts as modified again.
TEST_F(RegistersPageTest, TicksRefreshTheLinesThatChanged) {
    const int settings = LineOf(0x10);
    Modify(settings, "4");
    regs::WriteRegister(Config(), 0x10, 0x8, settings); // as another writer would
    for (int tick = 1; tick < 10; ++tick) {
        page->OnTimer();
    }
    EXPECT_EQ(Line(settings)[0], "0010h *");
    page->OnTimer();
    EXPECT_EQ(Line(settings)[0], "0010h !");
    EXPECT_EQ(Line(settings)[1], "00000008h");

    regs::WriteRegister(Config(), 0x10, 0x4, settings);
    for (int tick = 1; tick < 5; ++tick) {
        page->OnTimer();
    }
    EXPECT_EQ(Line(settings)[0], "0010h !");
    page->OnTimer();
    EXPECT_EQ(Line(settings)[0], "0010h *");
}

} // namespace
} // namespace k7r::cfgui
