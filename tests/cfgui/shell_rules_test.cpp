#include "cfgui/application.h"
#include "cfgui/diagnostics_reporter.h"
#include "cfgui/file_filters.h"
#include "cfgui/menu_state.h"
#include "cfgui/page.h"
#include "cfgui/resource.h"
#include "cfgui/slider_rule.h"
#include "cfgui/tooltip_delays.h"
#include "cfgui/tooltip_text.h"
#include "cfgui/window_title.h"
#include "config/default_records.h"
#include "regs/field_names.h"
#include "regs/field_values.h"
#include "tests/cfgui/fake_view.h"

#include <gtest/gtest.h>

namespace k7r::cfgui {
namespace {

// A Windows path loses its directory on every build; the shell's tests
// name files by '/' paths.
TEST(WindowTitle, NamesTheFileWithoutItsDirectory) {
    EXPECT_EQ(WindowTitle("C:\\work\\images\\viewer.exe"),
              "viewer.exe - K7R58C22 Configuration Utility  (Build 17)");
}

TEST(MenuState, SaveNeedsAFile) {
    Application app(TemplateRecord);
    EXPECT_FALSE(CurrentMenuState(app).saveEnabled);
    EXPECT_EQ(CurrentMenuState(app).aboutText, "&About 58C22CFG...");
    app.currentPath = "a.exe";
    EXPECT_TRUE(CurrentMenuState(app).saveEnabled);
}

TEST(TooltipDelays, InitialDelayAndAFifthToReshow) {
    EXPECT_EQ(DelayIndexOfMenu(IDM_DELAY_5S), 5u);
    EXPECT_EQ(DelayIndexOfMenu(IDM_HELP_ABOUT), kDelayCount);
    EXPECT_EQ(TimesForDelay(5).initial, 5000u);
    EXPECT_EQ(TimesForDelay(5).reshow, 1000u);
}

TEST(Slider, ValueFollowsTheMouseAndRisesToTheStep) {
    const SliderGeometry bar{.low = 0, .high = 100, .left = 0, .right = 200};
    const std::tuple<std::int32_t, std::uint32_t, std::int32_t> kCases[] = {
        {-50, 1, 0}, {0, 1, 0},   {100, 1, 50}, {201, 1, 100}, {500, 1, 100},
        {33, 1, 16}, {35, 8, 24}, {32, 8, 16},  {190, 8, 96},  {199, 8, 100},
    };
    for (const auto& [x, step, value] : kCases) {
        EXPECT_EQ(SliderValue(bar, x, step), value) << x << " step " << step;
    }
    EXPECT_EQ(SliderValue({.low = 10, .high = 20, .left = 5, .right = 5}, 7, 1), 10);
}

TEST(FileFilters, SaveAsOffersTheCurrentKindThenAllFiles) {
    const std::pair<const char*, const char*> kFirst[] = {
        {"x.Elf", "*.ELF"},
        {"x.s9", "*.S9;*.S19"},
        {"x.S19", "*.S9;*.S19"},
        {"x.idp", "*.IDP"},
        {"x.LVB", "*.LVB"},
        {"x.prc", "*.PRC"},
        {"C:\\a\\viewer.exe", "*.EXE"},
    };
    for (const auto& [path, first] : kFirst) {
        const std::vector<FileFilter> filters = SaveAsFilters(path);
        ASSERT_EQ(filters.size(), 2u) << path;
        EXPECT_EQ(filters[0].patterns, first);
        EXPECT_EQ(filters[1].label, "All Files (*.*)");
    }
    EXPECT_EQ(SaveAsFilters("notes.txt").size(), 1u);
    EXPECT_EQ(SaveAsFilters("dir.exe\\noext").size(), 1u);
    EXPECT_EQ(OpenFilters().size(), 8u);
    EXPECT_EQ(OpenFilters().front().patterns, "*.exe;*.s9;*.s19;*.idp;*.elf;*.lvb;*.prc");
}

// A page whose list control has a text of its own.
struct HotLinePage : Page {
    std::optional<std::string> Tooltip(int control) override {
        return control == IDC_REGISTER_LIST ? std::optional<std::string>("the hot register")
                                            : std::nullopt;
    }
};

class Tooltips : public ::testing::Test {
  protected:
    Tooltips() {
        app.tooltips.enabled = true;
        app.help.Add(kShellHelpRows);
        app.help.Add(kRows);
        app.help.Bind(app.bindings);
    }

    static constexpr HelpRow kRows[] = {
        {67, 3008, 0, {}},
        {0, 3008, 0, "never reached: the setting comes first"},
        {0, IDC_POWER_PIN_TEXT, IDC_POWER_PIN_7, "GPIO pin"},
        {0, IDC_POWER_PIN_8, IDC_POWER_PIN_10, "GPO pin"},
        {0, IDC_REGISTER_LIST, 0, "list"},
        {0, 1906, 0, "Initialize the K7R%s."},
    };
    Application app{TemplateRecord};
    HotLinePage page;
};

TEST_F(Tooltips, TextComesFromTheFirstStepThatHasOne) {
    EXPECT_EQ(TooltipText(app, &page, IDC_REGISTER_LIST), "the hot register");
    EXPECT_EQ(TooltipText(app, nullptr, IDC_REGISTER_LIST), "list");
    EXPECT_EQ(TooltipText(app, &page, 3008), regs::FieldHelpForId(67));
    EXPECT_EQ(TooltipText(app, &page, 1906), "Initialize the K7R58C22.");
    EXPECT_EQ(TooltipText(app, &page, 1907), "");

    app.diagnostics.shown = std::string(300, 'd');
    EXPECT_EQ(TooltipText(app, &page, IDC_DIAGNOSTICS), app.diagnostics.shown);
    EXPECT_EQ(TooltipText(app, &page, IDC_PREDEFINED_PANELS).rfind("Selects from a list", 0), 0u);

    app.tooltips.enabled = false;
    EXPECT_EQ(TooltipText(app, &page, 1906), "");
}

TEST_F(Tooltips, PowerPinsTakeTheGpoTextWhilePowerUsesGpo) {
    regs::SetFieldValue(app.session.config, 24, 1); // TFT: power on a GPIO pin
    EXPECT_EQ(TooltipText(app, &page, IDC_POWER_PIN_0 + 2), "GPIO pin");
    regs::SetFieldValue(app.session.config, 24, 0); // STN: power on a GPO pin
    EXPECT_EQ(TooltipText(app, &page, IDC_POWER_PIN_0 + 2), "GPO pin");
    EXPECT_EQ(TooltipText(app, &page, IDC_POWER_PIN_TEXT), "GPO pin");
}

constexpr int kField = 3008;
constexpr int kOther = 1422;
constexpr std::uint32_t kHorzTotal = 67;

class Reporter : public ::testing::Test {
  protected:
    Reporter() {
        app.active = true;
        regs::BindFieldControls(app.bindings, kHorzTotal, kField, 0);
    }

    Application app{TemplateRecord};
    fake::FakePane pane;
    fake::FakeView view;
    DiagnosticsReporter reporter{app, pane};
};

TEST_F(Reporter, RememberedMessageStaysForItsControlOnlyCutToItsRoom) {
    reporter.ReportStatus(kField, kReportRemember, "NOTE: kept.\n");
    reporter.ReportStatus(kField, kReportRemember, "ERROR: new.\n");
    EXPECT_EQ(pane.text, "ERROR: new.\r\nNOTE: kept.");

    // Flag 8 shows the message without remembering it; flag 4 overrides.
    reporter.ReportStatus(kField, kReportRemember | kReportDontRemember, "once\n");
    EXPECT_EQ(app.diagnostics.remembered, "");
    reporter.ReportStatus(kField, kReportRememberAlways | kReportDontRemember, "always\n");
    EXPECT_EQ(app.diagnostics.remembered, "always\n");

    // Forced reports of another control keep it; plain ones forget it.
    reporter.ReportStatus(kOther, kReportForce, "");
    EXPECT_EQ(pane.text, "always");
    reporter.ReportStatus(kOther, 0, "");
    EXPECT_EQ(pane.text, "");
    EXPECT_EQ(app.diagnostics.rememberedControl, 0);

    // Shown whole, but cut to its room.
    const std::string longText(300, 'x');
    reporter.ReportStatus(kField, kReportRemember, longText);
    EXPECT_EQ(pane.text, longText);
    EXPECT_EQ(app.diagnostics.remembered.size(), kRememberedRoom - 1);
}

TEST_F(Reporter, ErrorFlagComesFromTheCallerAndFromValidation) {
    reporter.ReportStatus(kField, kReportError, "ERROR: typed.\n");
    EXPECT_TRUE(pane.errorColour);
    EXPECT_EQ(pane.beeps, 1);

    reporter.ReportStatus(kField, 0, "fine\n");
    EXPECT_FALSE(pane.errorColour);
    reporter.ReportStatus(kField, 0, "fine\n"); // the same text: the pane is not rewritten
    EXPECT_EQ(pane.updates, 2);
    EXPECT_EQ(app.diagnostics.shown, "fine");

    regs::SetFieldValue(app.session.config, 54, 3); // an invalid depth
    reporter.ReportStatus(kField, 0, "fine\n");
    EXPECT_TRUE(pane.errorColour);
    EXPECT_EQ(pane.text, "fine\r\nERROR: 3 bits-per-pixel is an invalid setting.");
    EXPECT_EQ(pane.beeps, 1);
}

TEST_F(Reporter, BadEntryLocksTheFieldAndShowsTheValueAgain) {
    view[kField].text = "12x";
    reporter.ReportBadEntry(view, kField, true);
    EXPECT_EQ(app.diagnostics.lock, kField);
    EXPECT_EQ(view.focus, kField);
    EXPECT_EQ(view[kField].text, regs::FormatFieldValue(app.session.config, kHorzTotal));
    EXPECT_TRUE(view[kField].textSelected);
    EXPECT_TRUE(pane.errorColour);
    EXPECT_EQ(pane.text.rfind("ERROR: \"12x\" is not a valid Horz Total (must be between ", 0), 0u)
        << pane.text;

    // Reports of other controls stay out unless forced.
    const int updates = pane.updates;
    EXPECT_EQ(reporter.ReportStatus(kOther, kReportRemember, "other\n"), 0u);
    EXPECT_EQ(pane.updates, updates);
    EXPECT_EQ(app.diagnostics.lock, kField) << "another page's report replaced the error";

    reporter.ClearBadEntry(kOther);
    EXPECT_EQ(app.diagnostics.lock, kField);
    reporter.ClearBadEntry(kField);
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_EQ(pane.text, "");

    app.diagnostics.lock = kField;
    EXPECT_EQ(reporter.ReportStatus(kOther, kReportForce, "forced\n"), 6u);
    EXPECT_EQ(pane.text, "forced");
    EXPECT_EQ(app.diagnostics.lock, 0);
}

TEST_F(Reporter, BadEntriesWaitWhileInactiveAndStopWhileClosing) {
    app.active = false;
    view[kField].text = "12x";
    reporter.ReportBadEntry(view, kField, false);
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_EQ(view[kField].text, "12x");

    app.diagnostics.lock = kField;
    reporter.ClearBadEntry(kField);
    EXPECT_EQ(app.diagnostics.lock, kField);

    app.active = true;
    app.diagnostics.lock = kClosingLock;
    reporter.ReportBadEntry(view, kField, false);
    EXPECT_EQ(app.diagnostics.lock, kClosingLock) << "a page reported while the window closed";
}

} // namespace
} // namespace k7r::cfgui
