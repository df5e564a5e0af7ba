// The Clocks tab over fake controls.
#include "cfgui/pages/clocks_page.h"
#include "cfgui/resource.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/page_fixture.h"

#include <vector>

namespace k7r::cfgui {
namespace {

using ClocksPage = PageTest;

TEST_F(ClocksPage, OpeningFillsTheListsFromTheSettings) {
    Set(regs::kIdClkI2, 25175000);
    Set(regs::kIdClkI, 14318000);
    OpenPage(MakeClocksPage);
    const std::vector<std::string> pclkDivides = {"Auto", "1:1", "2:1", "3:1", "4:1", "8:1"};
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].items, pclkDivides);
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].selection, 0);
    // 25.175 is an item; 14.318 is added as the last one.
    EXPECT_EQ(view[IDC_CLKI2_TIMING].items.size(), 11u);
    EXPECT_EQ(view[IDC_CLKI2_TIMING].selection, 6);
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.back(), "14.318");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 11);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].sliderField, IDC_DUTY_CYCLE);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SPIN].high, 255);
}

// Typed values that are no item become one; a file's clock that the field
// would refuse does not hold the focus while the field still shows it.
TEST_F(ClocksPage, InputClockFieldsShowWhatTheyHold) {
    Set(regs::kIdClkI2, 0);
    OpenPage(MakeClocksPage);
    page->OnControl(IDC_CLKI2_TIMING, ControlEvent::FocusLost);
    EXPECT_EQ(app.diagnostics.lock, 0);

    Type(IDC_CLKI_TIMING, "120");
    EXPECT_EQ(Get(regs::kIdClkI), 120000000u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.back(), "120.000");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 11);
    Pick(IDC_CLKI_TIMING, 6);
    EXPECT_EQ(Get(regs::kIdClkI), 25175000u);
    EXPECT_EQ(view[IDC_CLKI_ACTUAL].text, " 25.172 MHz"); // the clock chip's nearest
}

TEST_F(ClocksPage, ListsActOnSelectionAndOnlyOnAChangedOneWhenLeft) {
    Set(regs::kIdAutoMclkDivide, 1);
    OpenPage(MakeClocksPage);
    page->OnControl(IDC_MCLK_DIVIDE, ControlEvent::FocusLost); // passing through
    EXPECT_EQ(Get(regs::kIdAutoMclkDivide), 1u);
    view[IDC_MCLK_DIVIDE].selection = 1; // a change the list did not announce
    page->OnControl(IDC_MCLK_DIVIDE, ControlEvent::FocusLost);
    EXPECT_EQ(Get(regs::kIdMclkDivide), 2u);
    EXPECT_EQ(Get(regs::kIdAutoMclkDivide), 0u);

    Pick(IDC_PCLK_SOURCE, 2); // CLKI, 50 MHz
    Pick(IDC_PCLK_DIVIDE, 2); // 2:1
    EXPECT_EQ(view[IDC_PCLK_TIMING].text, " 25.000 MHz");
    EXPECT_EQ(Get(regs::kIdFrameRate),
              25000000 / (Get(regs::kIdHorzTotal) * Get(regs::kIdVertTotal)));
}

TEST_F(ClocksPage, PwmGroupFollowsItsBoxes) {
    Set(regs::kIdPwmEnabled, 1);
    OpenPage(MakeClocksPage);
    Click(IDC_PWMCLK_ENABLE, false);
    for (int control = IDC_PWMCLK_SOURCE_LABEL; control <= IDC_DUTY_CYCLE_SLIDER; ++control) {
        EXPECT_FALSE(view[control].enabled) << control;
    }
    EXPECT_TRUE(view[IDC_PWMCLK_FORCE_HIGH].enabled);
    Click(IDC_PWMCLK_FORCE_HIGH);
    EXPECT_EQ(view[IDC_PWMCLK_TIMING].text, " Forced High");
}

TEST_F(ClocksPage, DutyCycleSpinAndSliderMoveEachOther) {
    Set(regs::kIdPwmEnabled, 1);
    OpenPage(MakeClocksPage);
    page->OnScroll(IDC_DUTY_CYCLE_SLIDER, ScrollEvent::ThumbPosition, 64);
    EXPECT_EQ(Get(regs::kIdDutyCycle), 64u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SPIN].position, 64);
    page->OnScroll(IDC_DUTY_CYCLE_SPIN, ScrollEvent::ThumbPosition, 65);
    EXPECT_EQ(Get(regs::kIdDutyCycle), 65u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].position, 65);
    EXPECT_EQ(view[IDC_DUTY_CYCLE].text, "65");
}

} // namespace
} // namespace k7r::cfgui
