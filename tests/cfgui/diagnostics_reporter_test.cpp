#include "cfgui/application.h"
#include "cfgui/diagnostics_reporter.h"
#include "config/default_records.h"
#include "regs/field_values.h"
#include "tests/cfgui/fake_view.h"

#include <gtest/gtest.h>

namespace k7r::cfgui {
namespace {

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
