// The Clocks tab over fake controls: input clocks, divide lists, the PWM
// group and its duty cycle, and the frequency texts.
#include "cfgui/pages/clocks_page.h"
#include "cfgui/resource.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/page_fixture.h"

#include <vector>

namespace k7r::cfgui {
namespace {

class ClocksPage : public PageTest {
  protected:
    ClocksPage() { Set(kIdPwmEnabled, 1); }
};

TEST_F(ClocksPage, OpeningFillsTheListsFromTheSettings) {
    Set(kIdClkI2, 25175000);
    Set(kIdClkI, 14318000);
    OpenPage(MakeClocksPage);
    const std::vector<std::string> pclkDivides = {"Auto", "1:1", "2:1", "3:1", "4:1", "8:1"};
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].items, pclkDivides);
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].selection, 0);
    EXPECT_EQ(view[IDC_PCLK_SOURCE].items.size(), 4u);
    EXPECT_EQ(view[IDC_PCLK_SOURCE].selection, static_cast<int>(Get(kIdPclkSource)));

    // 25.175 is an item; 14.318 is added as the last one.
    EXPECT_EQ(view[IDC_CLKI2_TIMING].items.size(), 11u);
    EXPECT_EQ(view[IDC_CLKI2_TIMING].items.at(6), "25.175");
    EXPECT_EQ(view[IDC_CLKI2_TIMING].selection, 6);
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.size(), 12u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.back(), "14.318");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 11);

    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].sliderField, IDC_DUTY_CYCLE);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].sliderStep, 1u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SPIN].high, 255);
    EXPECT_EQ(view[IDC_DUTY_CYCLE].limit, 4);
    EXPECT_EQ(view[IDC_PCLK_TIMING].text.front(), ' ');
    EXPECT_EQ(page->TextColourOf(IDC_CLOCKS_NOTE)->blue, 175);
}

TEST_F(ClocksPage, InputClockFieldTakes0391To120Megahertz) {
    OpenPage(MakeClocksPage);
    Type(IDC_CLKI_TIMING, "25.175");
    EXPECT_EQ(Get(kIdClkI), 25175000u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].text, "25.175");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 6);
    EXPECT_EQ(view[IDC_CLKI_ACTUAL].text, " 25.172 MHz"); // the clock chip's nearest

    Type(IDC_CLKI_TIMING, "0.390");
    EXPECT_EQ(Pane().rfind("ERROR: \"0.390\" is not a valid CLKI Timing!\n", 0), 0u) << Pane();
    EXPECT_EQ(app.diagnostics.lock, IDC_CLKI_TIMING);
    EXPECT_EQ(view[IDC_CLKI_TIMING].text, "25.175");
    EXPECT_EQ(Get(kIdClkI), 25175000u);

    Type(IDC_CLKI_TIMING, "120");
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_EQ(Get(kIdClkI), 120000000u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].text, "120.000");
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.back(), "120.000");

    Pick(IDC_CLKI2_TIMING, 0);
    EXPECT_EQ(Get(kIdClkI2), 6000000u);
}

// A file whose clock the field would refuse does not hold the focus there
// while the field still shows it.
TEST_F(ClocksPage, UntouchedFieldOfAnOutOfRangeClockLetsTheFocusGo) {
    Set(kIdClkI2, 0);
    OpenPage(MakeClocksPage);
    EXPECT_EQ(view[IDC_CLKI2_TIMING].text, "0.000");
    page->OnControl(IDC_CLKI2_TIMING, ControlEvent::FocusLost);
    EXPECT_EQ(app.diagnostics.lock, 0);
}

TEST_F(ClocksPage, DivideListsSwitchTheAutomaticDividesAndTheFrameRateFollows) {
    Set(kIdAutoMclkDivide, 1);
    OpenPage(MakeClocksPage);
    page->OnControl(IDC_MCLK_DIVIDE, ControlEvent::FocusLost); // passing through
    EXPECT_EQ(Get(kIdAutoMclkDivide), 1u);
    Pick(IDC_MCLK_DIVIDE, 1);
    EXPECT_EQ(Get(kIdMclkDivide), 2u);
    EXPECT_EQ(Get(kIdAutoMclkDivide), 0u);

    Pick(IDC_PCLK_DIVIDE, 3); // 3:1
    EXPECT_EQ(Get(kIdPclkDivide), 3u);
    EXPECT_EQ(Get(kIdAutoPclkDivide), 0u);
    const std::uint32_t pixelClock = Get(kIdPixelClock);
    EXPECT_EQ(Get(kIdFrameRate), pixelClock / (Get(kIdHorzTotal) * Get(kIdVertTotal)));
    Pick(IDC_PCLK_DIVIDE, 0);
    EXPECT_EQ(Get(kIdAutoPclkDivide), 1u);

    Pick(IDC_PCLK_SOURCE, 2); // CLKI, 50 MHz
    Pick(IDC_PCLK_DIVIDE, 2); // 2:1
    EXPECT_EQ(view[IDC_PCLK_TIMING].text, " 25.000 MHz");
    EXPECT_EQ(Get(kIdFrameRate), 25000000 / (Get(kIdHorzTotal) * Get(kIdVertTotal)));
}

TEST_F(ClocksPage, PwmGroupFollowsItsEnableBox) {
    OpenPage(MakeClocksPage);
    Click(IDC_PWMCLK_ENABLE, false);
    EXPECT_EQ(Get(kIdPwmEnabled), 0u);
    for (int control = IDC_PWMCLK_SOURCE_LABEL; control <= IDC_DUTY_CYCLE_SLIDER; ++control) {
        EXPECT_FALSE(view[control].enabled) << control;
    }
    EXPECT_TRUE(view[IDC_PWMCLK_FORCE_HIGH].enabled);
    Click(IDC_PWMCLK_ENABLE);
    EXPECT_TRUE(view[IDC_DUTY_CYCLE_SLIDER].enabled);

    Click(IDC_PWMCLK_FORCE_HIGH);
    EXPECT_EQ(view[IDC_PWMCLK_TIMING].text, " Forced High");
    Click(IDC_PWMCLK_FORCE_HIGH, false);
    Pick(IDC_PWMCLK_SOURCE, 0);  // CLKI, 50 MHz
    Pick(IDC_PWMCLK_DIVIDE, 10); // 1024:1
    EXPECT_EQ(view[IDC_PWMCLK_TIMING].text, " 190 Hz");
}

TEST_F(ClocksPage, DutyCycleFieldSpinAndSliderMoveTogether) {
    OpenPage(MakeClocksPage);
    Type(IDC_DUTY_CYCLE, "300");
    EXPECT_EQ(Get(kIdDutyCycle), 255u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE].text, "255");
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].position, 255);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SPIN].position, 255);
    EXPECT_EQ(
        Pane().rfind("NOTE: The PWMOUT Duty Cycle was set to the closest allowable value.\n", 0),
        0u)
        << Pane();

    Type(IDC_DUTY_CYCLE, "x1");
    EXPECT_EQ(Pane().rfind("ERROR: \"x1\" is not a valid PWMOUT Duty Cycle!\n", 0), 0u) << Pane();
    EXPECT_EQ(view[IDC_DUTY_CYCLE].text, "255");
    Type(IDC_DUTY_CYCLE, "255");

    page->OnScroll(IDC_DUTY_CYCLE_SLIDER, ScrollEvent::ThumbPosition, 64);
    EXPECT_EQ(Get(kIdDutyCycle), 64u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SPIN].position, 64);
    page->OnScroll(IDC_DUTY_CYCLE_SPIN, ScrollEvent::ThumbPosition, 65);
    EXPECT_EQ(Get(kIdDutyCycle), 65u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].position, 65);
    EXPECT_EQ(view[IDC_DUTY_CYCLE].text, "65");
}

} // namespace
} // namespace k7r::cfgui
