// The Panel and Panel Power pages on fake controls: what they show of the
// configuration, and that each control reaches its rule and shows the
// outcome.
#include "cfgui/pages/panel_page.h"
#include "cfgui/pages/panel_power_page.h"
#include "cfgui/resource.h"
#include "edit/panel_features.h"
#include "edit/panel_page.h"
#include "regs/computations.h"
#include "regs/field_names.h"
#include "regs/setting_ids.h"
#include "regs/settings_engine.h"
#include "tests/cfgui/page_fixture.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace k7r::cfgui {
namespace {

constexpr char kPanelLines[] =
    "VERSION 2\n"
    "PANEL \"Old D-TFD\" D-TFD 320 240 F 8 F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n"
    "PANEL \"QVGA\" TFT 320 240 F 18 F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n"
    "PANEL \"HR\" HR-TFT2 320 240 F 18 F n T F 6250 400 0 262 16 2 4 L 4 1 L n 0 0\n";

constexpr int kStnPosition = 0;
constexpr int kTftPosition = 1;

// The Panel and Panel Power pages on the utility's template (STN, USB and
// clock chip on, power on GPIO0 and GPO0).
class PanelPages : public PageTest {
  protected:
    // DEBUG.DEF keeps the D-TFD panel, PANELS.DEF drops it.
    void LoadPanels(const std::string& fileName) {
        const std::string path = test::ScratchDirectory() + "/" + fileName;
        std::ofstream(path, std::ios::binary) << kPanelLines;
        ASSERT_TRUE(app.panels.LoadFile(path, [](const std::string& text) { FAIL() << text; }));
    }

    // A page made anew, on controls made anew, as a tab change makes it.
    void OpenPanel() {
        view = {};
        OpenPage(MakePanelPage);
    }
    void OpenPower() {
        view = {};
        OpenPage(MakePanelPowerPage);
    }

    // An item of a drop-down list chosen and the list closed on it.
    void Confirm(int control, int item) {
        view[control].selection = item;
        page->OnControl(control, ControlEvent::SelectionConfirmed);
    }
    void ClickFeature(std::uint32_t id) {
        const std::vector<std::string> names = Column(1);
        const auto line =
            std::ranges::find(names, FormatFieldName(id, kShowName | kShowAttributes));
        ASSERT_NE(line, names.end()) << id;
        page->OnList(IDC_FEATURE_LIST, ListEvent::Click, static_cast<int>(line - names.begin()));
    }

    std::vector<std::string> Column(std::size_t column) {
        std::vector<std::string> texts;
        for (const std::vector<std::string>& line : view[IDC_FEATURE_LIST].lines) {
            texts.push_back(line.at(column));
        }
        return texts;
    }
    // What the feature list shows of a configuration, line by line.
    static std::vector<std::vector<std::string>> FeatureLines(WorkingConfig& config) {
        std::vector<std::vector<std::string>> lines;
        for (const edit::Feature& feature : edit::Features()) {
            if (edit::ListedFor(feature, GetFieldValue(config, kIdPanelType))) {
                lines.push_back({FormatFieldValue(config, feature.id),
                                 FormatFieldName(feature.id, kShowName | kShowAttributes)});
            }
        }
        return lines;
    }
};

TEST_F(PanelPages, OpeningShowsTheConfiguration) {
    OpenPanel();
    EXPECT_EQ(view[IDC_PANEL_TYPE].items,
              (std::vector<std::string>{"STN", "TFT", "HR-TFT", "TFT Type 2", "TFT Type 3",
                                        "TFT Type 4", "Casio TFT"}));
    EXPECT_EQ(view[IDC_PANEL_TYPE].selection, kStnPosition);
    EXPECT_EQ(view[IDC_FEATURE_LIST].lines, FeatureLines(app.session.config));
    EXPECT_EQ(view[IDC_FEATURE_LIST].columnTitles, (std::vector<std::string>{"Value", "Feature"}));
    EXPECT_EQ(view[IDC_FEATURE_LIST].rightAligned, (std::vector<bool>{true, false}));
    EXPECT_TRUE(view[IDC_FEATURE_LIST].fitted);
    EXPECT_TRUE(view[IDC_FEATURE_LIST].clickableLines);
    EXPECT_EQ(view[IDC_FRAME_RATE].text, " " + std::to_string(Get(kIdFrameRate)) + " Hz");
    EXPECT_EQ(Get(kIdFrameRate), Get(kIdPixelClock) / (Get(kIdHorzTotal) * Get(kIdVertTotal)));
    const PixelClockList clocks = ReachablePixelClocks(app.session.config);
    EXPECT_EQ(view[IDC_PIXEL_CLOCK].items, clocks.lines);
    EXPECT_EQ(view[IDC_PIXEL_CLOCK].selection, static_cast<int>(clocks.selected));
    EXPECT_EQ(view[IDC_PIXEL_CLOCK].droppedWidth, 120);
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].droppedWidth, 200);
    // No feature chosen yet: no editor; no panel file: not even "Custom panel".
    EXPECT_EQ(view[IDC_FEATURE_CAPTION].text, "");
    for (const int editor :
         {IDC_FEATURE_NUMBER, IDC_FEATURE_SLIDER, IDC_FEATURE_LIST_BOX, IDC_FEATURE_DROP_DOWN}) {
        EXPECT_FALSE(view[editor].shown) << editor;
    }
    EXPECT_TRUE(view[IDC_PREDEFINED_PANELS].items.empty());
    EXPECT_EQ(pane.updates, 0);
}

// Each panel type lists exactly the features it uses, in table order.
TEST_F(PanelPages, EveryPanelTypeListsItsFeatures) {
    OpenPanel();
    for (int position = 0; position < 7; ++position) {
        Confirm(IDC_PANEL_TYPE, position);
        EXPECT_EQ(Get(kIdPanelType), edit::PanelTypeChoices()[static_cast<std::size_t>(position)]);
        EXPECT_EQ(view[IDC_FEATURE_LIST].lines, FeatureLines(app.session.config)) << position;
    }
}

TEST_F(PanelPages, EachFeatureShowsItsEditor) {
    Set(kIdHorzDisplay, 336); // no suggested width
    OpenPanel();
    ClickFeature(kIdHorzTotal);
    EXPECT_EQ(view[IDC_FEATURE_CAPTION].text,
              FormatFieldName(kIdHorzTotal, kShowName | kShowAttributes | kShortForms));
    EXPECT_TRUE(view[IDC_FEATURE_NUMBER].shown);
    EXPECT_FALSE(view[IDC_FEATURE_LIST_BOX].shown);
    EXPECT_EQ(view[IDC_FEATURE_NUMBER].text, std::to_string(Get(kIdHorzTotal)));
    EXPECT_EQ(view[IDC_FEATURE_NUMBER].limit, 4);
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].low, 8);
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].high, 1024);
    EXPECT_EQ(view[IDC_FEATURE_SPIN].position, static_cast<int>(Get(kIdHorzTotal)));
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].sliderField, IDC_FEATURE_NUMBER);
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].sliderStep, 8u);
    ASSERT_EQ(view[IDC_FEATURE_SPIN].acceleration.size(), 2u);
    EXPECT_EQ(view[IDC_FEATURE_SPIN].acceleration[1].seconds, 2u);
    EXPECT_EQ(view[IDC_FEATURE_SPIN].acceleration[1].increment, 32u);

    ClickFeature(kIdFplinePol);
    EXPECT_FALSE(view[IDC_FEATURE_NUMBER].shown);
    EXPECT_EQ(view[IDC_FEATURE_LIST_BOX].items,
              (std::vector<std::string>{"Active Low", "Active High"}));
    EXPECT_EQ(view[IDC_FEATURE_LIST_BOX].selection, static_cast<int>(Get(kIdFplinePol)));

    ClickFeature(kIdHorzDisplay);
    EXPECT_TRUE(view[IDC_FEATURE_DROP_DOWN].shown);
    EXPECT_FALSE(view[IDC_FEATURE_LIST_BOX].shown);
    EXPECT_EQ(view[IDC_FEATURE_DROP_DOWN].items,
              (std::vector<std::string>{"336", "160", "320", "480", "640", "800"}));
    EXPECT_EQ(view[IDC_FEATURE_DROP_DOWN].selection, 0);

    // The feature stays chosen until the program ends.
    OpenPanel();
    EXPECT_TRUE(view[IDC_FEATURE_DROP_DOWN].shown);
}

// A feature that cannot be changed gets no editor to be refused in, which
// would hold the focus for good.
TEST_F(PanelPages, FeatureWithoutARegisterEntryHasItsEditorDisabled) {
    WorkingConfig& config = app.session.config;
    config.Record.Regs[config.FindRegisterEntry(0x20)].Index = 0x18; // no Horz Total
    OpenPanel();
    ClickFeature(kIdHorzTotal);
    EXPECT_TRUE(view[IDC_FEATURE_NUMBER].shown);
    EXPECT_FALSE(view[IDC_FEATURE_NUMBER].enabled);
    EXPECT_FALSE(view[IDC_FEATURE_SLIDER].enabled);
    EXPECT_EQ(pane.text.rfind("ERROR: Horz Total cannot be set", 0), 0u) << pane.text;
    ClickFeature(kIdVertTotal);
    EXPECT_TRUE(view[IDC_FEATURE_NUMBER].enabled);
}

TEST_F(PanelPages, NumberFieldClampsOrHoldsTheFocus) {
    OpenPanel();
    ClickFeature(kIdHorzTotal);
    Type(IDC_FEATURE_NUMBER, "2000");
    EXPECT_EQ(view[IDC_FEATURE_NUMBER].text, "1024");
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].position, 1024);
    EXPECT_EQ(
        pane.text.rfind("NOTE: The Horizontal Total was set to the closest allowable value.", 0),
        0u)
        << pane.text;
    EXPECT_EQ(view[IDC_FEATURE_LIST].lines, FeatureLines(app.session.config));
    EXPECT_EQ(view[IDC_FRAME_RATE].text, " " + std::to_string(Get(kIdFrameRate)) + " Hz");

    Type(IDC_FEATURE_NUMBER, "1O0");
    EXPECT_EQ(app.diagnostics.lock, IDC_FEATURE_NUMBER);
    EXPECT_EQ(view.focus, IDC_FEATURE_NUMBER);
    EXPECT_EQ(view[IDC_FEATURE_NUMBER].text, "1024");
    EXPECT_EQ(pane.text.rfind("ERROR: \"1O0\" is not a valid Horz Total!", 0), 0u) << pane.text;
    EXPECT_EQ(pane.beeps, 1);

    Type(IDC_FEATURE_NUMBER, "400");
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_EQ(Get(kIdHorzTotal), 400u);
}

TEST_F(PanelPages, SliderAndSpinMoveTheFieldAndEachOther) {
    OpenPanel();
    ClickFeature(kIdVertTotal);
    page->OnScroll(IDC_FEATURE_SLIDER, ScrollEvent::ThumbPosition, 300);
    EXPECT_EQ(Get(kIdVertTotal), 300u);
    EXPECT_EQ(view[IDC_FEATURE_SPIN].position, 300);
    page->OnScroll(IDC_FEATURE_SPIN, ScrollEvent::ThumbPosition, 310);
    page->OnScroll(IDC_FEATURE_SPIN, ScrollEvent::EndScroll, 0);
    EXPECT_EQ(Get(kIdVertTotal), 310u);
    EXPECT_EQ(view[IDC_FEATURE_SLIDER].position, 310);
    EXPECT_EQ(view[IDC_FEATURE_NUMBER].text, "310");
    EXPECT_EQ(view[IDC_FRAME_RATE].text, " " + std::to_string(Get(kIdFrameRate)) + " Hz");
}

// A refused drop-down entry shows the error and the value again, without
// holding the focus.
TEST_F(PanelPages, DropDownRoundsOrRestores) {
    OpenPanel();
    ClickFeature(kIdHorzDisplay);
    Type(IDC_FEATURE_DROP_DOWN, "244");
    EXPECT_EQ(view[IDC_FEATURE_DROP_DOWN].text, "256");
    EXPECT_EQ(pane.text.rfind("NOTE: The value was rounded up to the closest allowable value.", 0),
              0u)
        << pane.text;
    EXPECT_EQ(Get(kIdMainLineOffset), 256u);

    Type(IDC_FEATURE_DROP_DOWN, "x");
    EXPECT_EQ(view[IDC_FEATURE_DROP_DOWN].text, "256");
    EXPECT_EQ(pane.text.rfind("ERROR: \"x\" is not a valid Horz Disp Period!", 0), 0u);
    EXPECT_EQ(app.diagnostics.lock, 0);

    Pick(IDC_FEATURE_DROP_DOWN, 3); // "640"
    EXPECT_EQ(Get(kIdHorzDisplay), 640u);
}

// The type's features replace the old ones; a feature the new type does not
// use is no longer edited.
TEST_F(PanelPages, PanelTypeRefillsTheFeatures) {
    OpenPanel();
    ClickFeature(kIdDataFormat);
    EXPECT_TRUE(view[IDC_FEATURE_LIST_BOX].shown);
    Confirm(IDC_PANEL_TYPE, kTftPosition);
    EXPECT_EQ(Get(kIdPanelType), 1u);
    EXPECT_EQ(view[IDC_FEATURE_LIST].lines, FeatureLines(app.session.config));
    EXPECT_FALSE(view[IDC_FEATURE_LIST_BOX].shown);
    EXPECT_EQ(view[IDC_FEATURE_CAPTION].text, "");
}

TEST_F(PanelPages, DebugNoteOnceAndDisqualifiedPanelsRefused) {
    LoadPanels("DEBUG.DEF");
    OpenPanel();
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].items,
              (std::vector<std::string>{"**Old D-TFD", "QVGA", "HR", "Custom panel"}));
    EXPECT_EQ(pane.text.rfind("Loaded DEBUG.DEF file.  Note that panels prefixed with ** shouldn't "
                              "work with 58C22.",
                              0),
              0u);
    const int reports = pane.updates;
    OpenPanel();
    EXPECT_EQ(pane.updates, reports);

    const HAL_STRUCT before = app.session.config.Record;
    Confirm(IDC_PREDEFINED_PANELS, 0);
    EXPECT_EQ(pane.beeps, 1);
    EXPECT_EQ(pane.text.rfind("Old D-TFD is disqualified: it is a D-TFD.", 0), 0u) << pane.text;
    EXPECT_EQ(std::memcmp(&before, &app.session.config.Record, sizeof before), 0);
}

// The page shows what applying the panel made of the configuration.
TEST_F(PanelPages, PredefinedPanelAppliesAndMatches) {
    LoadPanels("PANELS.DEF");
    OpenPanel();
    ASSERT_EQ(view[IDC_PREDEFINED_PANELS].items.back(), "Custom panel");
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 2) << "the template matches no panel";

    edit::EditSession expected(TemplateRecord, app.panels);
    edit::ApplyPredefinedPanel(expected, 1);
    Confirm(IDC_PREDEFINED_PANELS, 1);
    EXPECT_EQ(view[IDC_PANEL_TYPE].selection, 2);
    EXPECT_EQ(view[IDC_FEATURE_LIST].lines, FeatureLines(expected.config));
    EXPECT_EQ(view[IDC_FRAME_RATE].text,
              " " + std::to_string(GetFieldValue(expected.config, kIdFrameRate)) + " Hz");
    EXPECT_EQ(view[IDC_PIXEL_CLOCK].items, ReachablePixelClocks(expected.config).lines);
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 1);

    // A timing away from the panel's is a custom panel; back, it is the
    // panel again.
    Confirm(IDC_PREDEFINED_PANELS, 0);
    ClickFeature(kIdFplineWidth);
    Type(IDC_FEATURE_NUMBER, "25");
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 2);
    Type(IDC_FEATURE_NUMBER, "24");
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 0);

    // "Custom panel" changes nothing and stays chosen.
    const HAL_STRUCT before = app.session.config.Record;
    Confirm(IDC_PREDEFINED_PANELS, 2);
    EXPECT_EQ(std::memcmp(&before, &app.session.config.Record, sizeof before), 0);
    EXPECT_EQ(view[IDC_PREDEFINED_PANELS].selection, 2);
}

TEST_F(PanelPages, TipsDescribeTheHotLineAndTheChosenFeature) {
    OpenPanel();
    page->OnList(IDC_FEATURE_LIST, ListEvent::HotLineChanged, 0);
    EXPECT_EQ(page->Tooltip(IDC_FEATURE_LIST), FieldHelpForId(edit::Features()[0].id));
    page->OnList(IDC_FEATURE_LIST, ListEvent::HotLineChanged, -1);
    EXPECT_EQ(page->Tooltip(IDC_FEATURE_LIST), "");
    ClickFeature(kIdVertStart);
    for (const int editor : {IDC_FEATURE_NUMBER, IDC_FEATURE_SPIN, IDC_FEATURE_CAPTION}) {
        EXPECT_EQ(page->Tooltip(editor), FieldHelpForId(kIdVertStart)) << editor;
    }
    EXPECT_EQ(page->Tooltip(IDC_PANEL_TYPE), std::nullopt);
}

// TFT switches power through GPIO pins, STN through GPO pins.
TEST_F(PanelPages, PowerPinsOfThePanelTypesFamily) {
    Set(kIdPanelType, 1);
    Set(kIdGpoPowerMask, 0);
    Set(kIdGpioPowerMask, 0x04); // GPIO2
    OpenPanel();
    Confirm(IDC_PANEL_TYPE, kStnPosition);
    OpenPower();
    EXPECT_EQ(view[IDC_POWER_ENABLE].text, "&Enable power panel support (using GPO)");
    EXPECT_TRUE(view[IDC_POWER_ENABLE].checked);
    for (int pin = 0; pin <= 10; ++pin) {
        const fake::FakeControl& button = view[IDC_POWER_PIN_0 + pin];
        EXPECT_TRUE(button.shown && button.enabled) << pin;
        EXPECT_EQ(button.checked, pin == 0) << pin;
    }
    page->OnControl(IDC_POWER_PIN_0 + 9, ControlEvent::Clicked);
    EXPECT_EQ(Get(kIdGpoPowerMask), 0x200u);
    EXPECT_TRUE(view[IDC_POWER_PIN_0 + 9].checked);
    EXPECT_FALSE(view[IDC_POWER_PIN_0].checked);

    // Type 4 keeps GPO pins 1 to 10 for its signals.
    Set(kIdPanelType, 4);
    OpenPower();
    for (int pin = 0; pin <= 10; ++pin) {
        EXPECT_EQ(view[IDC_POWER_PIN_0 + pin].enabled, pin == 0) << pin;
    }

    // GPIO: no pins 8 to 10; the clock chip and USB hold pins 1 to 7.
    Set(kIdPanelType, 1);
    OpenPower();
    EXPECT_EQ(view[IDC_POWER_PIN_TEXT].text,
              "A GPIO pin can be used to control panel power on 58C22 R01B eval board.");
    for (int pin = 0; pin <= 10; ++pin) {
        EXPECT_EQ(view[IDC_POWER_PIN_0 + pin].shown, pin < 8) << pin;
        EXPECT_EQ(view[IDC_POWER_PIN_0 + pin].enabled, pin == 0) << pin;
    }
    view[IDC_POWER_ENABLE].checked = false;
    page->OnControl(IDC_POWER_ENABLE, ControlEvent::Clicked);
    EXPECT_EQ(Get(kIdGpioPowerMask), 0u);
    EXPECT_FALSE(view[IDC_POWER_PIN_0].enabled);
}

TEST_F(PanelPages, PowerDelaysRefuseMoreThan65535) {
    OpenPower();
    EXPECT_EQ(view[IDC_POWER_ON_DELAY].limit, 5);
    EXPECT_EQ(view[IDC_POWER_OFF_DELAY].text, std::to_string(Get(kIdPowerOffTime)));
    Type(IDC_POWER_ON_DELAY, "65536");
    EXPECT_EQ(app.diagnostics.lock, IDC_POWER_ON_DELAY);
    EXPECT_EQ(pane.text.rfind("ERROR: \"65536\" is not a valid LCD Pwr On Time!", 0), 0u)
        << pane.text;
    Type(IDC_POWER_ON_DELAY, "30");
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_EQ(Get(kIdPowerOnTime), 30u);
}

} // namespace
} // namespace k7r::cfgui
