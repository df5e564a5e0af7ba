// Every control of the General, Preferences and Clocks tabs has its tip:
// the help of the setting it shows, or its fixed text.
#include "cfgui/resource.h"
#include "cfgui/tooltip_text.h"
#include "regs/field_names.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/page_fixture.h"

namespace k7r::cfgui {
namespace {

class PageTooltips : public PageTest {
  protected:
    PageTooltips() { app.tooltips.enabled = true; }
    std::string Tip(int control) { return TooltipText(app, nullptr, control); }
};

TEST_F(PageTooltips, EveryControlHasATip) {
    const struct {
        int first;
        int last;
        int note; // the page's note, which has none
    } kPages[] = {
        {IDC_PLATFORM_TAVEX, IDC_CLOCK_CHIP_SUPPORT, IDC_GENERAL_NOTE},
        {IDC_BPP_1, IDC_DOUBLE_VERTICAL, IDC_PREFERENCES_NOTE},
        {IDC_CLKI_TIMING, IDC_DUTY_CYCLE_SLIDER, IDC_CLOCKS_NOTE},
    };
    for (const auto& page : kPages) {
        for (int control = page.first; control <= page.last; ++control) {
            EXPECT_EQ(Tip(control).empty(), control == page.note) << control;
        }
    }
    EXPECT_FALSE(Tip(IDC_DESCRIPTION).empty());
}

TEST_F(PageTooltips, TipsAreTheSettingsHelpOrTheFixedTexts) {
    const struct {
        int control;
        std::uint32_t setting;
    } kSettings[] = {
        {IDC_REGISTER_ADDRESS, kIdRegPhysAddr}, {IDC_USB_SUPPORT, kIdUsbEnable},
        {IDC_CLOCK_CHIP_SUPPORT, kIdClockChip}, {IDC_BPP_4, kIdBitsPerPixel},
        {IDC_SWIVEL_180, kIdSwivelViewRaw},     {IDC_DOUBLE_HORIZONTAL, kIdHorzDoubling},
        {IDC_DESCRIPTION, kIdDescription},      {IDC_PCLK_DIVIDE, kIdPclkDivideRaw},
        {IDC_PCLK_TIMING, kIdPixelClock},       {IDC_DUTY_CYCLE_SPIN, kIdDutyCycle},
    };
    for (const auto& c : kSettings) {
        EXPECT_EQ(Tip(c.control), FieldHelpForId(c.setting)) << c.control;
    }
    EXPECT_EQ(Tip(IDC_PLATFORM_SH3), "Selects physical addresses for Hitachi SH-3 LCEVB platform.");
    EXPECT_EQ(Tip(IDC_CLKI2_ACTUAL)
                  .rfind("This field indicates the effective frequency of CLKI2. "
                         "If the clock chip is being used to generate CLKI2 ",
                         0),
              0u);
    EXPECT_EQ(Tip(IDC_PWMCLK_TIMING), "This field indicates the effective frequency of PWMCLK.\n"
                                      "__________________________________________________\n"
                                      "PWM Clock Timing = (Source / Divide / 256)");
}

} // namespace
} // namespace k7r::cfgui
