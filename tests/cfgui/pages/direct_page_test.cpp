// The Direct tab on fake controls over the board emulator: the options kept
// for the run, initialization and its messages, what is usable when, the
// live timer, the test pattern and its redraw after a change, shutdown.
#include "cfgui/pages/direct_page.h"
#include "cfgui/resource.h"
#include "cfgui/tooltip_text.h"
#include "edit/rules/preferences_rules.h"
#include "edit/test_pattern.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/page_harness.h"
#include "tests/hal/chip_fixture.h"

#include <gtest/gtest.h>

namespace k7r::cfgui {
namespace {

class DirectPageTest : public test::ChipTest, protected fake::PageHarness {
  protected:
    void SetUp() override {
        ChipTest::SetUp();
        Open(MakeDirectPage);
    }

    config::WorkingConfig& Config() { return app.session.config; }
    bool Enabled(int control) { return view[control].enabled; }
    // The pixel at byte offset of display memory.
    std::uint8_t Memory(std::size_t offset) { return board().DisplayMemory()[offset]; }
};

TEST_F(DirectPageTest, OpensWithTheRunsOptionsAndNothingToUseYet) {
    EXPECT_FALSE(view[IDC_SOFTWARE_RESET].shown);
    EXPECT_FALSE(view[IDC_SOFTWARE_RESET].checked);
    for (const int option : {IDC_PROGRAM_CLOCK_CHIP, IDC_INIT_REGISTERS, IDC_INIT_LOOKUP_TABLE,
                             IDC_CLEAR_VIDEO_MEMORY}) {
        EXPECT_TRUE(view[option].checked) << option;
    }
    for (const int control : {IDC_ADDITIONAL_OPTIONS, IDC_WRITE_IMMEDIATELY, IDC_DRAW_TEST_PATTERN,
                              IDC_SHUTDOWN_CHIP, IDC_REDRAW_AFTER_CHANGE}) {
        EXPECT_FALSE(Enabled(control)) << control;
    }
    EXPECT_TRUE(Enabled(IDC_INITIALIZE_CHIP));
    EXPECT_EQ(page->TextColourOf(IDC_DIRECT_NOTE)->red, 175);

    // The options last while the program runs, not while the page does.
    Click(IDC_INIT_LOOKUP_TABLE);
    Open(MakeDirectPage);
    EXPECT_FALSE(view[IDC_INIT_LOOKUP_TABLE].checked);
    Click(IDC_INITIALIZE_CHIP);
    EXPECT_EQ(board().LutEntry(255), 0u);
}

TEST_F(DirectPageTest, WithoutClockChipSupportItsBoxIsClearedAndOff) {
    ASSERT_TRUE(regs::SetFieldValue(Config(), regs::kIdClockChip, 0));
    Open(MakeDirectPage);
    EXPECT_FALSE(view[IDC_PROGRAM_CLOCK_CHIP].checked);
    EXPECT_FALSE(Enabled(IDC_PROGRAM_CLOCK_CHIP));
    EXPECT_TRUE(app.session.initSteps.programClockChip);
}

TEST_F(DirectPageTest, InitializeBindsAndShutdownReleases) {
    Click(IDC_INITIALIZE_CHIP);
    EXPECT_EQ(pane.text.rfind("Initialized K7R58C22 using HAL build 2.", 0), 0u);
    EXPECT_TRUE(Config().Bound);
    for (const int control : {IDC_ADDITIONAL_OPTIONS, IDC_WRITE_IMMEDIATELY, IDC_DRAW_TEST_PATTERN,
                              IDC_SHUTDOWN_CHIP}) {
        EXPECT_TRUE(Enabled(control)) << control;
    }
    EXPECT_FALSE(Enabled(IDC_REDRAW_AFTER_CHANGE));
    EXPECT_EQ(board().UsbResets(), 0);

    Click(IDC_SHUTDOWN_CHIP);
    EXPECT_FALSE(Config().Bound);
    EXPECT_EQ(board().ChipResets(), 1);
    EXPECT_FALSE(Enabled(IDC_SHUTDOWN_CHIP));
    EXPECT_EQ(pane.text.find("Initialized"), std::string::npos);
}

TEST_F(DirectPageTest, WithoutABoardInitializeSaysWhy) {
    test::SetEnvironment(emu::kEmulatorVariable, nullptr);
    Click(IDC_INITIALIZE_CHIP);
    EXPECT_EQ(pane.text.rfind("Cannot Initialize: ERROR: Unable to find/load the K7R58xxx "
                              "driver.",
                              0),
              0u);
    EXPECT_FALSE(Config().Bound);
    EXPECT_FALSE(Enabled(IDC_WRITE_IMMEDIATELY));
}

TEST_F(DirectPageTest, TheLiveTimerRunsExactlyWhileHotToChip) {
    Click(IDC_INITIALIZE_CHIP);
    EXPECT_FALSE(services.timerRunning);
    Click(IDC_WRITE_IMMEDIATELY);
    EXPECT_TRUE(Config().Live);
    EXPECT_TRUE(services.timerRunning);
    EXPECT_TRUE(Enabled(IDC_REDRAW_AFTER_CHANGE));
    Click(IDC_WRITE_IMMEDIATELY);
    EXPECT_FALSE(services.timerRunning);
    Click(IDC_WRITE_IMMEDIATELY);
    Click(IDC_SHUTDOWN_CHIP);
    EXPECT_FALSE(Config().Live);
    EXPECT_FALSE(services.timerRunning);
    EXPECT_EQ(services.timerChanges, 4);
}

// With the redraw option on, a picture-changing edit while live shows the
// pattern again one tick later, at the new depth.
TEST_F(DirectPageTest, TheRedrawOptionRedrawsThePatternAfterAChange) {
    Click(IDC_INITIALIZE_CHIP);
    Click(IDC_DRAW_TEST_PATTERN);
    EXPECT_EQ(Memory(0), 0xFF); // the white first line
    EXPECT_EQ(Memory(321), 0x00);
    Click(IDC_WRITE_IMMEDIATELY);
    Click(IDC_REDRAW_AFTER_CHANGE);
    EXPECT_EQ(Config().RedrawCountdown, 1u);
    edit::LiveTimerTick(Config());
    EXPECT_EQ(Config().RedrawCountdown, 0u);

    ASSERT_TRUE(edit::ChooseColorDepth(app.session, 16).changed);
    EXPECT_EQ(Config().RedrawCountdown, 1u);
    EXPECT_EQ(Memory(640 + 2), 0x00); // still the 8 bpp picture
    edit::LiveTimerTick(Config());
    // Line 1 of the 16 bpp pattern: a white pixel, then the red band.
    EXPECT_EQ(Memory(640), 0xFF);
    EXPECT_EQ(Memory(640 + 1), 0xFF);
    EXPECT_EQ(Memory(640 + 2), 0x00);
    EXPECT_EQ(Memory(640 + 21), 0x08); // red 1 after the first band boundary
}

TEST_F(DirectPageTest, TooltipsNameTheChip) {
    GatherHelp(app, StandardPages());
    app.tooltips.enabled = true;
    EXPECT_EQ(TooltipText(app, page.get(), IDC_INIT_REGISTERS),
              "Program all K7R58C22 registers during initialization.");
    EXPECT_EQ(TooltipText(app, page.get(), IDC_WRITE_IMMEDIATELY),
              "Enables all configuration changes to be written to the physical chip "
              "immediately,\"Hot to Chip\".");
}

} // namespace
} // namespace k7r::cfgui
