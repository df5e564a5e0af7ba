#include "cfgui/pages/preferences_page.h"
#include "tests/cfgui/page_harness.h"

namespace k7r::cfgui {
namespace {

using PreferencesPage = PageTest;

TEST_F(PreferencesPage, OpeningChecksTheButtonsAndShowsTheDescription) {
    Set(regs::kIdBitsPerPixel, 4);
    Set(regs::kIdSwivelView, 270);
    Set(regs::kIdVertDoubling, 1);
    regs::SetDescriptionText(Config(), regs::kIdDescription, "Board 7\nrev. B");
    Open(MakePreferencesPage);
    for (int button = IDC_BPP_1; button <= IDC_SWIVEL_270; ++button) {
        EXPECT_EQ(view[button].checked, button == IDC_BPP_4 || button == IDC_SWIVEL_270);
    }
    EXPECT_FALSE(view[IDC_DOUBLE_HORIZONTAL].checked);
    EXPECT_TRUE(view[IDC_DOUBLE_VERTICAL].checked);
    EXPECT_EQ(view[IDC_DESCRIPTION].text, "Board 7\r\nrev. B");
    EXPECT_EQ(view[IDC_DESCRIPTION].limit, 255);

    // Stored with line feeds; an unchanged description is not reported.
    Type(IDC_DESCRIPTION, "Lab board\r\nrev. B");
    EXPECT_EQ(regs::FormatFieldValue(Config(), regs::kIdDescription), "Lab board\nrev. B");
    app.diagnostics.shown = "not reported again";
    Type(IDC_DESCRIPTION, "Lab board\r\nrev. B");
    EXPECT_EQ(app.diagnostics.shown, "not reported again");
}

// The layout follows depth and rotation; the start address the file
// carries, remembered when the page opens, stays through its update.
TEST_F(PreferencesPage, OptionsWriteTheirSettingsAndKeepTheStartAddress) {
    Set(regs::kIdMainStart, 1024);
    Open(MakePreferencesPage);
    Click(IDC_BPP_16);
    Click(IDC_SWIVEL_90);
    EXPECT_EQ(Get(regs::kIdBitsPerPixel), 16u);
    EXPECT_EQ(Get(regs::kIdSwivelView), 90u);
    EXPECT_EQ(Get(regs::kIdMainStart), 1024u);
    EXPECT_EQ(Get(regs::kIdMainLineOffset), 480u);
    EXPECT_EQ(Get(regs::kIdPipLineOffset), 480u);
    EXPECT_EQ(Get(regs::kIdRequiredVram), 480u * 320);
}

} // namespace
} // namespace k7r::cfgui
