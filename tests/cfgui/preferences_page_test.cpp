// The Preferences tab over fake controls: colour depth, SwivelView, pixel
// doubling and the description, and the layout that follows them.
#include "cfgui/pages/preferences_page.h"
#include "cfgui/resource.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/page_fixture.h"

namespace k7r::cfgui {
namespace {

using PreferencesPage = PageTest;

TEST_F(PreferencesPage, OpeningChecksTheButtonsOfTheSettings) {
    Set(kIdBitsPerPixel, 4);
    Set(kIdSwivelView, 270);
    Set(kIdVertDoubling, 1);
    SetDescriptionText(app.session.config, kIdDescription, "Board 7\nrev. B");
    OpenPage(MakePreferencesPage);
    for (int button = IDC_BPP_1; button <= IDC_BPP_16; ++button) {
        EXPECT_EQ(view[button].checked, button == IDC_BPP_4) << button;
    }
    for (int button = IDC_SWIVEL_0; button <= IDC_SWIVEL_270; ++button) {
        EXPECT_EQ(view[button].checked, button == IDC_SWIVEL_270) << button;
    }
    EXPECT_FALSE(view[IDC_DOUBLE_HORIZONTAL].checked);
    EXPECT_TRUE(view[IDC_DOUBLE_VERTICAL].checked);
    EXPECT_EQ(view[IDC_DESCRIPTION].text, "Board 7\r\nrev. B");
    EXPECT_EQ(view[IDC_DESCRIPTION].limit, 255);
    EXPECT_EQ(page->TextColourOf(IDC_PREFERENCES_NOTE)->blue, 175);
}

// The template's 320 x 240 panel with auto stride; the start address the
// file carries is kept through the rotation.
TEST_F(PreferencesPage, DepthAndRotationRecomputeTheLayout) {
    Set(kIdMainStart, 1024);
    OpenPage(MakePreferencesPage);
    Click(IDC_BPP_16);
    Click(IDC_SWIVEL_90);
    EXPECT_EQ(Get(kIdBitsPerPixel), 16u);
    EXPECT_EQ(Get(kIdSwivelView), 90u);
    EXPECT_EQ(Get(kIdMainLineOffset), 480u);
    EXPECT_EQ(Get(kIdRequiredVram), 480u * 320);
    EXPECT_EQ(Get(kIdMainStart), 1024u);

    Click(IDC_DOUBLE_HORIZONTAL);
    EXPECT_EQ(Get(kIdHorzDoubling), 1u);
    Click(IDC_DOUBLE_HORIZONTAL, false);
    EXPECT_EQ(Get(kIdHorzDoubling), 0u);
}

TEST_F(PreferencesPage, DescriptionIsStoredWithLineFeedsOnlyWhenItChanged) {
    OpenPage(MakePreferencesPage);
    Type(IDC_DESCRIPTION, "Lab board\r\nrev. B");
    EXPECT_EQ(FormatFieldValue(app.session.config, kIdDescription), "Lab board\nrev. B");
    EXPECT_EQ(view[IDC_DESCRIPTION].text, "Lab board\r\nrev. B");

    const int updates = pane.updates;
    app.diagnostics.shown = "untouched";
    Type(IDC_DESCRIPTION, "Lab board\r\nrev. B");
    EXPECT_EQ(pane.updates, updates);
    EXPECT_EQ(app.diagnostics.shown, "untouched");
}

} // namespace
} // namespace k7r::cfgui
