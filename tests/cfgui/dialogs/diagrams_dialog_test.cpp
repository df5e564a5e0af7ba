// The pictures window's logic, driven through the fake view.
#include "cfgui/application.h"
#include "cfgui/dialogs/diagrams_dialog.h"
#include "config/default_records.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/fake_view.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace k7r::cfgui {
namespace {

class DiagramsWindow : public testing::Test {
  protected:
    Application app{TemplateRecord};
    std::vector<diagrams::Picture> shown;
    DiagramsDialog dialog{app,
                          [this](const diagrams::Picture& picture) { shown.push_back(picture); }};
    fake::FakeView view;
};

TEST_F(DiagramsWindow, OpensOnTheTimingDiagramAndSwitchesToTheClockTree) {
    dialog.Open(view);
    EXPECT_EQ(view[IDC_DIAGRAMS_SHOW].items, (Texts{"Panel timing", "Clock tree"}));
    EXPECT_EQ(view[IDC_DIAGRAMS_SHOW].selection, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown.back().title.starts_with("Panel timing"));

    view[IDC_DIAGRAMS_SHOW].selection = 1;
    dialog.OnControl(view, IDC_DIAGRAMS_SHOW, ControlEvent::SelectionChanged);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown.back().title, "Clock tree");

    // Opened again, the window shows what it showed.
    fake::FakeView reopened;
    dialog.Open(reopened);
    EXPECT_EQ(reopened[IDC_DIAGRAMS_SHOW].selection, 1);
    EXPECT_EQ(shown.back().title, "Clock tree");
}

// A change draws once, at the next tick; ticks without a change draw
// nothing.
TEST_F(DiagramsWindow, FollowsEveryChangeOfTheConfiguration) {
    dialog.Open(view);
    dialog.Tick();
    EXPECT_EQ(shown.size(), 1u);
    const std::uint32_t total = regs::GetFieldValue(app.session.config, regs::kIdHorzTotal);
    regs::SetFieldValue(app.session.config, regs::kIdHorzTotal, total + 8);
    regs::SetFieldValue(app.session.config, regs::kIdHorzTotal, total + 16);
    dialog.Tick();
    dialog.Tick();
    ASSERT_EQ(shown.size(), 2u);
    const std::string latest = "Horz Total " + std::to_string(total + 16) + " ";
    const auto showsLatest = [&](const diagrams::Label& label) {
        return label.text.starts_with(latest);
    };
    EXPECT_EQ(std::ranges::count_if(shown.back().labels, showsLatest), 1);
}

} // namespace
} // namespace k7r::cfgui
