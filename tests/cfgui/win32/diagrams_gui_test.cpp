// The Panel Diagrams window over the real main window under Wine: it
// follows a timing changed on the Panel page.
#include "cfgui/resource.h"
#include "cfgui/win32/diagrams_window.h"
#include "cfgui/win32/win32_view.h"
#include "panels/panel_def_list.h"
#include "regs/field_names.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/support/test_files.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <string_view>

namespace k7r::cfgui::gui {
namespace {

bool HasLabel(const diagrams::Picture& picture, std::string_view text) {
    return std::any_of(picture.labels.begin(), picture.labels.end(),
                       [&](const diagrams::Label& label) { return label.text == text; });
}

class DiagramsGui : public testing::Test {
  protected:
    DiagramsGui() {
        const std::string image = WindowsPath(test::ScratchDirectory() + "/viewer.exe");
        test::WriteFileBytes(image, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
        const std::string panels = WindowsPath(std::string(K7R_SOURCE_DIR) + "/panels/PANELS.DEF");
        EXPECT_TRUE(session.app.panels.LoadFile(
            panels, [](const std::string& text) { ADD_FAILURE() << text; }));
        EXPECT_TRUE(session.window.OpenFile(image));
    }

    void PickPanel(std::string_view name) {
        const std::span<const panels::PanelDef> entries = session.app.panels.Entries();
        const auto found =
            std::find_if(entries.begin(), entries.end(),
                         [&](const panels::PanelDef& panel) { return panel.name == name; });
        ASSERT_NE(found, entries.end());
        PickItem(session.Control(IDC_PREDEFINED_PANELS), static_cast<int>(found - entries.begin()));
    }
    void ClickFeature(std::uint32_t id) {
        win32::Win32View view(session.Page());
        const std::string name = regs::FormatFieldName(id, regs::kShowName | regs::kShowAttributes);
        for (int line = 0; line < view.ItemCount(IDC_FEATURE_LIST); ++line) {
            if (view.LineText(IDC_FEATURE_LIST, line, 1) == name) {
                ClickLine(session.Control(IDC_FEATURE_LIST), line);
                return;
            }
        }
        ADD_FAILURE() << "no line for " << name;
    }

    Session session;
};

// Whichever picture the window shows, it is drawn again when a timing
// changes on the Panel page.
TEST_F(DiagramsGui, PicturesFollowATimingChangedOnThePanelPage) {
    ASSERT_TRUE(SelectTab(session, kPanelTab));
    PickPanel("VGA TFT 640x480 18-bit");

    ASSERT_TRUE(ChooseMenu(session.Main(), IDM_VIEW_DIAGRAMS));
    const win32::DiagramsWindow& pictures = session.window.Diagrams();
    ASSERT_NE(pictures.Window(), nullptr);
    EXPECT_EQ(GetWindow(pictures.Window(), GW_OWNER), session.Main());
    EXPECT_TRUE(
        HasLabel(pictures.Logic().Shown(), "Horz Total 800 pixels = 31.777 us, 31.468 KHz"));

    ClickFeature(regs::kIdHorzTotal);
    TypeInto(session.Control(IDC_FEATURE_NUMBER), "1000");
    FocusOn(session.Control(IDC_FEATURE_LIST));
    EXPECT_TRUE(PumpUntil([&] {
        return HasLabel(pictures.Logic().Shown(), "Horz Total 1000 pixels = 39.721 us, 25.175 KHz");
    }));

    PickItem(GetDlgItem(pictures.Window(), IDC_DIAGRAMS_SHOW), 1);
    EXPECT_TRUE(HasLabel(pictures.Logic().Shown(), "PCLK / (1000 x 525)"));
    EXPECT_TRUE(HasLabel(pictures.Logic().Shown(), "47 Hz"));
    SendMessageA(pictures.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(pictures.Window(), nullptr);
}

} // namespace
} // namespace k7r::cfgui::gui
