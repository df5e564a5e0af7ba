// The Panel and Panel Power pages on fake controls: what they show of the
// configuration, and that each control reaches its rule and shows the
// outcome. The rules themselves are the editing core's tests.
#include "cfgui/field_readers.h"
#include "cfgui/pages/panel_page.h"
#include "cfgui/pages/panel_power_page.h"
#include "regs/field_names.h"
#include "tests/cfgui/page_harness.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <cstring>

namespace k7r::cfgui {
namespace {

constexpr int kStnPosition = 0;
constexpr int kTftPosition = 1;

// The Panel and Panel Power pages on the utility's template (STN, USB and
// clock chip on, power on GPIO0 and GPO0).
class PanelPages : public PageTest {
  protected:
    // A file named DEBUG.DEF keeps the D-TFD panel and marks it.
    void LoadDebugPanels() {
        const std::string path = test::ScratchDirectory() + "/DEBUG.DEF";
        const std::string timings = " F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n";
        test::WriteText(path, "VERSION 2\nPANEL \"Old D-TFD\" D-TFD 320 240 F 8" + timings +
                                  "PANEL \"QVGA\" TFT 320 240 F 18" + timings);
        ASSERT_TRUE(app.panels.LoadFile(path, [](const std::string& text) { FAIL() << text; }));
    }

    // An item of a drop-down list chosen and the list closed on it.
    void Confirm(int control, int item) {
        view[control].selection = item;
        page->OnControl(control, ControlEvent::SelectionConfirmed);
    }
    std::vector<std::string> Line(std::uint32_t id) {
        const std::string name = regs::FormatFieldName(id, regs::kShowName | regs::kShowAttributes);
        for (const std::vector<std::string>& line : view[IDC_FEATURE_LIST].lines) {
            if (line.at(1) == name) {
                return line;
            }
        }
        return {};
    }
    void ClickFeature(std::uint32_t id) {
        const std::vector<std::vector<std::string>>& lines = view[IDC_FEATURE_LIST].lines;
        const auto line = std::ranges::find(lines, Line(id));
        ASSERT_NE(line, lines.end()) << id;
        page->OnList(IDC_FEATURE_LIST, ListEvent::Click, static_cast<int>(line - lines.begin()));
    }
};

// No feature chosen yet: no editor; no panel file: not even "Custom panel".
// The feature stays chosen until the program ends; a panel type that does
// not use it leaves no editor.
TEST_F(PanelPages, EachFeatureShowsItsEditorAndItsHelp) {
    Set(regs::kIdHorzDisplay, 336); // no suggested width
    Open(MakePanelPage);
    EXPECT_EQ(view[IDC_PANEL_TYPE].selection, kStnPosition);
    EXPECT_EQ(view[IDC_FEATURE_LIST].lines.size(), 15u);
    EXPECT_EQ(Line(regs::kIdHorzTotal), (Texts{"352", "Horizontal Total"}));
    for (const int editor :
         {IDC_FEATURE_NUMBER, IDC_FEATURE_SLIDER, IDC_FEATURE_LIST_BOX, IDC_FEATURE_DROP_DOWN}) {
        EXPECT_FALSE(view[editor].shown) << editor;
    }
    EXPECT_TRUE(view[IDC_PREDEFINED_PANELS].items.empty());

    ClickFeature(regs::kIdHorzTotal);
    EXPECT_EQ(view[IDC_FEATURE_CAPTION].text, "Horz Total");
    EXPECT_TRUE(view[IDC_FEATURE_NUMBER].shown);
    EXPECT_FALSE(view[IDC_FEATURE_LIST_BOX].shown);
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].high, 1024);
    ASSERT_EQ(view[IDC_FEATURE_SPIN].acceleration.size(), 2u);
    EXPECT_EQ(view[IDC_FEATURE_SPIN].acceleration[1].increment, 32u);
    EXPECT_EQ(page->Tooltip(IDC_FEATURE_SPIN), regs::FieldHelpForId(regs::kIdHorzTotal));

    ClickFeature(regs::kIdFplinePol);
    EXPECT_FALSE(view[IDC_FEATURE_NUMBER].shown);
    EXPECT_EQ(view[IDC_FEATURE_LIST_BOX].items, (Texts{"Active Low", "Active High"}));
    Pick(IDC_FEATURE_LIST_BOX, 1);
    EXPECT_EQ(Line(regs::kIdFplinePol).at(0), "Active High");

    ClickFeature(regs::kIdHorzDisplay);
    EXPECT_EQ(view[IDC_FEATURE_DROP_DOWN].items, (Texts{"336", "160", "320", "480", "640", "800"}));
    EXPECT_EQ(view[IDC_FEATURE_DROP_DOWN].selection, 0);

    Open(MakePanelPage);
    EXPECT_TRUE(view[IDC_FEATURE_DROP_DOWN].shown);
    ClickFeature(regs::kIdDataFormat);
    Confirm(IDC_PANEL_TYPE, kTftPosition);
    EXPECT_FALSE(view[IDC_FEATURE_LIST_BOX].shown);
    EXPECT_EQ(view[IDC_FEATURE_CAPTION].text, "");
    Confirm(IDC_PANEL_TYPE, 4); // "TFT Type 3"
    EXPECT_EQ(Get(regs::kIdPanelType), 5u);
    EXPECT_EQ(view[IDC_FEATURE_LIST].lines.size(), 45u);
}

// A feature that cannot be changed gets no editor to be refused in, which
// would hold the focus for good.
TEST_F(PanelPages, FeatureWithoutARegisterEntryHasItsEditorDisabled) {
    Config().Record.Regs[Config().FindRegisterEntry(0x20)].Index = 0x18; // no Horz Total
    Open(MakePanelPage);
    ClickFeature(regs::kIdHorzTotal);
    EXPECT_FALSE(view[IDC_FEATURE_NUMBER].enabled);
    EXPECT_FALSE(view[IDC_FEATURE_SLIDER].enabled);
    EXPECT_EQ(pane.text.rfind("ERROR: Horz Total cannot be set", 0), 0u) << pane.text;
    ClickFeature(regs::kIdVertTotal);
    EXPECT_TRUE(view[IDC_FEATURE_NUMBER].enabled);
}

// A number that is no number holds the focus; a drop-down's only shows the
// error.
TEST_F(PanelPages, RefusedEntriesOfTheEditors) {
    Open(MakePanelPage);
    ClickFeature(regs::kIdHorzTotal);
    Type(IDC_FEATURE_NUMBER, "2000");
    EXPECT_EQ(view[IDC_FEATURE_NUMBER].text, "1024");
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].position, 1024);
    EXPECT_EQ(Line(regs::kIdHorzTotal).at(0), "1024");
    Type(IDC_FEATURE_NUMBER, "1O0");
    EXPECT_EQ(app.diagnostics.lock, IDC_FEATURE_NUMBER);
    EXPECT_EQ(view.focus, IDC_FEATURE_NUMBER);
    EXPECT_EQ(view[IDC_FEATURE_NUMBER].text, "1024");
    Type(IDC_FEATURE_NUMBER, "400");
    EXPECT_EQ(app.diagnostics.lock, 0);

    ClickFeature(regs::kIdHorzDisplay);
    Type(IDC_FEATURE_DROP_DOWN, "x");
    EXPECT_EQ(MilliFieldText(view, IDC_FEATURE_DROP_DOWN), "320");
    EXPECT_EQ(pane.text.rfind("ERROR: \"x\" is not a valid Horz Disp Period!", 0), 0u);
    EXPECT_EQ(app.diagnostics.lock, 0);
    Pick(IDC_FEATURE_DROP_DOWN, 3); // "640"
    EXPECT_EQ(Get(regs::kIdHorzDisplay), 640u);
}

// The list shows the core's items; a disqualified panel beeps and changes
// nothing; the list follows the timings to "Custom panel" and back.
TEST_F(PanelPages, PredefinedListShowsAndFollowsTheMatch) {
    LoadDebugPanels();
    Open(MakePanelPage);
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].items, (Texts{"**Old D-TFD", "QVGA", "Custom panel"}));
    EXPECT_TRUE(pane.text.starts_with(
        "Loaded DEBUG.DEF file.  Note that panels prefixed with ** shouldn't work with 58C22."))
        << pane.text;
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 2) << "the template matches no panel";

    const HAL_STRUCT before = Config().Record;
    Confirm(IDC_PREDEFINED_PANELS, 0);
    EXPECT_EQ(pane.beeps, 1);
    EXPECT_EQ(pane.text.rfind("Old D-TFD is disqualified: it is a D-TFD.", 0), 0u) << pane.text;
    EXPECT_EQ(std::memcmp(&before, &Config().Record, sizeof before), 0);
    Confirm(IDC_PREDEFINED_PANELS, 2); // "Custom panel"
    EXPECT_EQ(std::memcmp(&before, &Config().Record, sizeof before), 0);

    Confirm(IDC_PREDEFINED_PANELS, 1);
    EXPECT_EQ(view[IDC_PANEL_TYPE].selection, kTftPosition);
    EXPECT_EQ(Line(regs::kIdHorzTotal).at(0), "400");
    ClickFeature(regs::kIdFplineWidth);
    Type(IDC_FEATURE_NUMBER, "25");
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 2);
    Type(IDC_FEATURE_NUMBER, "24");
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 1);
    Open(MakePanelPage);
    EXPECT_EQ(pane.text.find("Loaded"), std::string::npos) << "the note comes once a run";
}

// TFT switches power through GPIO pins, STN through GPO pins.
TEST_F(PanelPages, PowerPinsOfThePanelTypesFamily) {
    Set(regs::kIdPanelType, 1);
    Set(regs::kIdGpoPowerMask, 0);
    Set(regs::kIdGpioPowerMask, 0x04); // GPIO2
    Open(MakePanelPage);
    Confirm(IDC_PANEL_TYPE, kStnPosition);
    Open(MakePanelPowerPage);
    EXPECT_EQ(view[IDC_POWER_ENABLE].text, "&Enable power panel support (using GPO)");
    EXPECT_TRUE(view[IDC_POWER_ENABLE].checked);
    for (int pin = 0; pin <= 10; ++pin) {
        const fake::FakeControl& button = view[IDC_POWER_PIN_0 + pin];
        EXPECT_TRUE(button.shown && button.enabled) << pin;
        EXPECT_EQ(button.checked, pin == 0) << pin;
    }
    Click(IDC_POWER_PIN_0 + 9, true);
    EXPECT_EQ(Get(regs::kIdGpoPowerMask), 0x200u);

    // GPIO: no pins 8 to 10; the clock chip and USB hold pins 1 to 7.
    Set(regs::kIdPanelType, 1);
    Open(MakePanelPowerPage);
    EXPECT_EQ(view[IDC_POWER_PIN_TEXT].text,
              "A GPIO pin can be used to control panel power on 58C22 R01B eval board.");
    for (int pin = 0; pin <= 10; ++pin) {
        EXPECT_EQ(view[IDC_POWER_PIN_0 + pin].shown, pin < 8) << pin;
        EXPECT_EQ(view[IDC_POWER_PIN_0 + pin].enabled, pin == 0) << pin;
    }
    Click(IDC_POWER_ENABLE, false);
    EXPECT_EQ(Get(regs::kIdGpioPowerMask), 0u);
    EXPECT_FALSE(view[IDC_POWER_PIN_0].enabled);

    EXPECT_EQ(view[IDC_POWER_ON_DELAY].limit, 5);
    Type(IDC_POWER_ON_DELAY, "65536");
    EXPECT_EQ(app.diagnostics.lock, IDC_POWER_ON_DELAY);
}

} // namespace
} // namespace k7r::cfgui
