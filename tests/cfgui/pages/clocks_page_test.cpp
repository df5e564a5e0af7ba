#include "cfgui/pages/clocks_page.h"
#include "regs/field_table.h"
#include "tests/cfgui/page_harness.h"

namespace k7r::cfgui {
namespace {

using ClocksPage = PageTest;

// A frequency that is no list text becomes an item when the page opens.
TEST_F(ClocksPage, OpeningFillsTheListsFromTheSettings) {
    Set(regs::kIdClkI2, 25175000);
    Set(regs::kIdClkI, 14318000);
    Open(MakeClocksPage);
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].items, (Texts{"Auto", "1:1", "2:1", "3:1", "4:1", "8:1"}));
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].selection, 0);
    EXPECT_EQ(view[IDC_CLKI2_TIMING].items.size(), 11u);
    EXPECT_EQ(view[IDC_CLKI2_TIMING].selection, 6);
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.back(), "14.318");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 11);
}

// A typed frequency is shown, not added to the list; a file's clock that
// the field would refuse does not hold the focus while the field still
// shows it.
TEST_F(ClocksPage, InputClockFieldsShowWhatTheyHold) {
    Set(regs::kIdClkI2, 0);
    Open(MakeClocksPage);
    page->OnControl(IDC_CLKI2_TIMING, ControlEvent::FocusLost);
    EXPECT_EQ(app.diagnostics.lock, 0);

    const std::size_t items = view[IDC_CLKI_TIMING].items.size();
    Type(IDC_CLKI_TIMING, "120");
    EXPECT_EQ(Get(regs::kIdClkI), 120000000u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].text, "120.000");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, -1);
    Type(IDC_CLKI_TIMING, "14.318");
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.size(), items);
    Pick(IDC_CLKI_TIMING, 6);
    EXPECT_EQ(Get(regs::kIdClkI), 25175000u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 6);
    EXPECT_EQ(view[IDC_CLKI_ACTUAL].text, " 25.172 MHz"); // the clock chip's nearest
    Type(IDC_CLKI_TIMING, "0.390");
    EXPECT_EQ(app.diagnostics.lock, IDC_CLKI_TIMING);
    EXPECT_EQ(view[IDC_CLKI_TIMING].text, "25.175");
}

TEST_F(ClocksPage, ListsActOnSelectionAndOnlyOnAChangedOneWhenLeft) {
    Set(regs::kIdAutoMclkDivide, 1);
    Open(MakeClocksPage);
    page->OnControl(IDC_MCLK_DIVIDE, ControlEvent::FocusLost); // passing through
    EXPECT_EQ(Get(regs::kIdAutoMclkDivide), 1u);
    view[IDC_MCLK_DIVIDE].selection = 1; // a change the list did not announce
    page->OnControl(IDC_MCLK_DIVIDE, ControlEvent::FocusLost);
    EXPECT_EQ(Get(regs::kIdMclkDivide), 2u);
    EXPECT_EQ(Get(regs::kIdAutoMclkDivide), 0u);

    Pick(IDC_PCLK_SOURCE, 2); // CLKI, 50 MHz
    Pick(IDC_PCLK_DIVIDE, 2); // 2:1
    EXPECT_EQ(view[IDC_PCLK_TIMING].text, " 25.000 MHz");
    EXPECT_EQ(Get(regs::kIdFrameRate), 25000000u / (352 * 251));
}

TEST_F(ClocksPage, PwmGroupFollowsItsBoxesAndTheDutyCycleItsControls) {
    Set(regs::kIdPwmEnabled, 1);
    Open(MakeClocksPage);
    page->OnScroll(IDC_DUTY_CYCLE_SLIDER, ScrollEvent::ThumbPosition, 64);
    EXPECT_EQ(Get(regs::kIdDutyCycle), 64u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SPIN].position, 64);
    page->OnScroll(IDC_DUTY_CYCLE_SPIN, ScrollEvent::ThumbPosition, 65);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].position, 65);
    EXPECT_EQ(view[IDC_DUTY_CYCLE].text, "65");

    Click(IDC_PWMCLK_ENABLE, false);
    for (int control = IDC_PWMCLK_SOURCE_LABEL; control <= IDC_DUTY_CYCLE_SLIDER; ++control) {
        EXPECT_FALSE(view[control].enabled) << control;
    }
    EXPECT_TRUE(view[IDC_PWMCLK_FORCE_HIGH].enabled);
    Click(IDC_PWMCLK_FORCE_HIGH, true);
    EXPECT_EQ(view[IDC_PWMCLK_TIMING].text, " Forced High");
}

// A refusal of the change itself, not of the entry, is shown as an error
// without holding the field.
TEST_F(ClocksPage, DutyCycleOfARegisterTheTableLacksIsRefusedWithoutTheLock) {
    const std::uint32_t reg = regs::kFieldTable[regs::FindField(regs::kIdDutyCycle)].Register;
    Config().Record.Regs[Config().FindRegisterEntry(reg)].Index = 0x18;
    Open(MakeClocksPage);
    Type(IDC_DUTY_CYCLE, "12");
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_TRUE(pane.errorColour);
    EXPECT_EQ(pane.text.rfind("ERROR: PWMOUT Duty Cycle cannot be set", 0), 0u) << pane.text;
    Type(IDC_DUTY_CYCLE, "x");
    EXPECT_EQ(app.diagnostics.lock, 0) << "the change is refused before the entry is read";
}

} // namespace
} // namespace k7r::cfgui
