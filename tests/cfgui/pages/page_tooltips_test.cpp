// Every control of the General, Preferences and Clocks tabs has its tip:
// the help of the setting it shows, or its fixed text, as the main window
// gathers them from all pages.
#include "cfgui/tooltip_text.h"
#include "regs/field_names.h"
#include "tests/cfgui/page_harness.h"

namespace k7r::cfgui {
namespace {

TEST_F(PageTest, EveryControlOfTheFirstThreePagesHasATip) {
    app.tooltips.enabled = true;
    const struct {
        int first;
        int last;
        int note; // has none
    } kPages[] = {
        {IDC_PLATFORM_TAVEX, IDC_CLOCK_CHIP_SUPPORT, IDC_GENERAL_NOTE},
        {IDC_BPP_1, IDC_DESCRIPTION, IDC_PREFERENCES_NOTE},
        {IDC_CLKI_TIMING, IDC_DUTY_CYCLE_SLIDER, IDC_CLOCKS_NOTE},
    };
    for (const auto& page : kPages) {
        for (int control = page.first; control <= page.last; ++control) {
            const bool unused = control > IDC_DOUBLE_VERTICAL && control < IDC_DESCRIPTION;
            EXPECT_EQ(TooltipText(app, nullptr, control).empty(), control == page.note || unused)
                << control;
        }
    }
    EXPECT_EQ(TooltipText(app, nullptr, IDC_SWIVEL_180),
              regs::FieldHelpForId(regs::kIdSwivelViewRaw));
    EXPECT_EQ(TooltipText(app, nullptr, IDC_PLATFORM_SH3),
              "Selects physical addresses for Hitachi SH-3 LCEVB platform.");
    // The PCLK divide list shows two settings, its "Auto" item the second.
    const std::string divide = TooltipText(app, nullptr, IDC_PCLK_DIVIDE);
    EXPECT_NE(divide.find(regs::FieldHelpForId(regs::kIdPclkDivideRaw)), std::string::npos);
    EXPECT_NE(divide.find(regs::FieldHelpForId(regs::kIdAutoPclkDivide)), std::string::npos);
    // The pixel clock shows on two pages; the later binding must not take
    // the earlier page's tip.
    EXPECT_EQ(TooltipText(app, nullptr, IDC_PCLK_TIMING),
              regs::FieldHelpForId(regs::kIdPixelClock));
    EXPECT_EQ(TooltipText(app, nullptr, IDC_PIXEL_CLOCK),
              regs::FieldHelpForId(regs::kIdPixelClock));
}

} // namespace
} // namespace k7r::cfgui
