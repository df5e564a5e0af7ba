// The Direct tab on fake controls over the board emulator: the options kept
// for the run, what is usable when, initialization and shutdown, the live
// timer and the tooltips. The chip session itself is the editing core's.
#include "cfgui/pages/direct_page.h"
#include "cfgui/tooltip_text.h"
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

} // namespace
} // namespace k7r::cfgui
