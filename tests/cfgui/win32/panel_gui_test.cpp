// The Panel and Panel Power pages in the real main window under Wine, with
// the panels that ship beside the utility, driven as a user would.
#include "cfgui/resource.h"
#include "cfgui/win32/win32_text.h"
#include "cfgui/win32/win32_view.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "edit/rules/panel_features.h"
#include "edit/rules/panel_rules.h"
#include "regs/field_names.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/support/test_files.h"

#include <commctrl.h>

#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace k7r::cfgui::gui {
namespace {

constexpr int kPanelTab = 3;
constexpr int kPowerTab = 4;
// Screenshots wait for another program.
constexpr int kSlowStepMs = 30000;

class PanelGui : public testing::Test {
  protected:
    PanelGui() {
        image = WindowsPath(test::ScratchDirectory() + "/viewer.exe");
        test::WriteFileBytes(image, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
        const std::string panels = WindowsPath(std::string(K7R_SOURCE_DIR) + "/panels/PANELS.DEF");
        EXPECT_TRUE(session.app.panels.LoadFile(
            panels, [](const std::string& text) { ADD_FAILURE() << text; }));
        EXPECT_TRUE(session.window.OpenFile(image));
    }

    config::WorkingConfig& Config() { return session.app.session.config; }
    std::uint32_t Get(std::uint32_t id) { return regs::GetFieldValue(Config(), id); }

    // The feature list's lines as the list view holds them.
    std::vector<std::vector<std::string>> ShownLines() {
        win32::Win32View view(session.Page());
        std::vector<std::vector<std::string>> lines;
        for (int line = 0; line < view.ItemCount(IDC_FEATURE_LIST); ++line) {
            lines.push_back({view.LineText(IDC_FEATURE_LIST, line, 0),
                             view.LineText(IDC_FEATURE_LIST, line, 1)});
        }
        return lines;
    }
    // The lines the core's values give the configuration.
    static std::vector<std::vector<std::string>> ExpectedLines(config::WorkingConfig& config) {
        std::vector<std::vector<std::string>> lines;
        for (const edit::Feature& feature : edit::Features()) {
            if (edit::ListedFor(feature, regs::GetFieldValue(config, regs::kIdPanelType))) {
                lines.push_back(
                    {regs::FormatFieldValue(config, feature.id),
                     regs::FormatFieldName(feature.id, regs::kShowName | regs::kShowAttributes)});
            }
        }
        return lines;
    }
    static std::string FrameRateText(config::WorkingConfig& config) {
        std::string text = " ";
        return text.append(std::to_string(regs::GetFieldValue(config, regs::kIdFrameRate)))
            .append(" Hz");
    }

    void ClickFeature(std::uint32_t id) {
        const std::vector<std::vector<std::string>> lines = ShownLines();
        const std::string name = regs::FormatFieldName(id, regs::kShowName | regs::kShowAttributes);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (lines[line][1] == name) {
                ClickLine(session.Control(IDC_FEATURE_LIST), static_cast<int>(line));
                return;
            }
        }
        ADD_FAILURE() << "no line for " << name;
    }
    std::string Text(int control) { return win32::WindowText(session.Control(control)); }

    std::string image;
    Session session;
};

// Each panel from the list, compared with the same panels applied by the
// core; the pages of the first STN, TFT and HR-TFT panels are pictured.
TEST_F(PanelGui, ShippedPanelsApplyAsTheCoreAppliesThem) {
    ASSERT_TRUE(SelectTab(session, kPanelTab));
    ClickFeature(regs::kIdHorzTotal);
    EXPECT_TRUE(IsWindowVisible(session.Control(IDC_FEATURE_NUMBER)));
    EXPECT_FALSE(IsWindowVisible(session.Control(IDC_FEATURE_LIST_BOX)));

    edit::EditSession expected(Config().Record, session.app.panels);
    expected.config = Config();
    const std::size_t count = session.app.panels.Count();
    ASSERT_GT(count, 0u);
    const HWND list = session.Control(IDC_PREDEFINED_PANELS);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(count + 1));
    EXPECT_EQ(
        win32::Win32View(session.Page()).ItemText(IDC_PREDEFINED_PANELS, static_cast<int>(count)),
        "Custom panel");

    std::set<std::uint32_t> pictured;
    for (std::size_t index = 0; index < count; ++index) {
        PickItem(session.Control(IDC_PREDEFINED_PANELS), static_cast<int>(index));
        edit::ApplyPredefinedPanel(expected, index);
        const std::string name = session.app.panels.At(index).name;
        EXPECT_EQ(std::memcmp(&Config().Record, &expected.config.Record, sizeof Config().Record), 0)
            << name;
        EXPECT_EQ(ShownLines(), ExpectedLines(expected.config)) << name;
        EXPECT_EQ(Text(IDC_FRAME_RATE), FrameRateText(expected.config)) << name;
        EXPECT_EQ(SendMessageA(session.Control(IDC_PREDEFINED_PANELS), CB_GETCURSEL, 0, 0),
                  static_cast<LRESULT>(index))
            << name;

        const std::uint32_t type = Get(regs::kIdPanelType);
        if (pictured.insert(type).second) {
            const std::string suffix = type == 0 ? "stn" : type == 1 ? "tft" : "hrtft";
            EXPECT_TRUE(Screenshot("panel_" + suffix, session.Main()));
            ASSERT_TRUE(SelectTab(session, kPowerTab));
            EXPECT_TRUE(Screenshot("panel_power_" + suffix, session.Main()));
            ASSERT_TRUE(SelectTab(session, kPanelTab));
        }
    }
    EXPECT_EQ(pictured.size(), 3u);
}

TEST_F(PanelGui, TimingEditedThroughTheFieldTheSliderAndTheArrows) {
    ASSERT_TRUE(SelectTab(session, kPanelTab));
    ClickFeature(regs::kIdHorzTotal);
    const HWND field = session.Control(IDC_FEATURE_NUMBER);
    TypeInto(field, "400");
    FocusOn(session.Control(IDC_FEATURE_LIST));
    EXPECT_EQ(Get(regs::kIdHorzTotal), 400u);
    EXPECT_EQ(ShownLines(), ExpectedLines(Config()));
    EXPECT_EQ(Text(IDC_FRAME_RATE), FrameRateText(Config()));

    // Three quarters along the slider, raised to the step of 8.
    const HWND slider = session.Control(IDC_FEATURE_SLIDER);
    RECT client;
    GetClientRect(slider, &client);
    const LPARAM at = MAKELPARAM(client.right * 3 / 4, 2);
    SendMessageA(slider, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(slider, WM_LBUTTONUP, 0, at);
    const std::uint32_t slid = Get(regs::kIdHorzTotal);
    EXPECT_GT(slid, 400u);
    EXPECT_EQ(slid % 8, 0u);
    EXPECT_EQ(win32::WindowText(field), std::to_string(slid));
    EXPECT_EQ(SendMessageA(session.Control(IDC_FEATURE_SPIN), UDM_GETPOS32, 0, 0),
              static_cast<LRESULT>(slid));
    EXPECT_EQ(ShownLines(), ExpectedLines(Config()));
    EXPECT_EQ(Text(IDC_FRAME_RATE), FrameRateText(Config()));

    // The field's arrow key moves the spin buttons by the step.
    FocusOn(field);
    PressKey(VK_UP);
    EXPECT_EQ(Get(regs::kIdHorzTotal), slid + 8);
    EXPECT_EQ(SendMessageA(slider, PBM_GETPOS, 0, 0), static_cast<LRESULT>(slid + 8));

    // A list feature takes the number editor's place.
    ClickFeature(regs::kIdFplinePol);
    EXPECT_FALSE(IsWindowVisible(field));
    PickItem(session.Control(IDC_FEATURE_LIST_BOX), 1);
    EXPECT_EQ(Get(regs::kIdFplinePol), 1u);
    EXPECT_EQ(ShownLines(), ExpectedLines(Config()));
    EXPECT_TRUE(Screenshot("panel_list_editor", session.Main()));
}

// A width typed into the drop-down is read from its text, not from the item
// that was selected before the typing.
TEST_F(PanelGui, DisplayPeriodTypedIntoTheDropDown) {
    ASSERT_TRUE(SelectTab(session, kPanelTab));
    ClickFeature(regs::kIdHorzDisplay);
    const HWND dropDown = session.Control(IDC_FEATURE_DROP_DOWN);
    ASSERT_TRUE(IsWindowVisible(dropDown));
    EXPECT_EQ(win32::WindowText(dropDown), std::to_string(Get(regs::kIdHorzDisplay)));
    TypeIntoList(dropDown, "244");
    FocusOn(session.Control(IDC_FEATURE_LIST));
    const std::uint32_t step = Get(regs::kIdBasicPanelType) != 0 ? 8 : 16;
    EXPECT_EQ(Get(regs::kIdHorzDisplay), (244 + step - 1) / step * step);
    EXPECT_EQ(win32::WindowText(dropDown), std::to_string(Get(regs::kIdHorzDisplay)));
    EXPECT_NE(
        session.PaneText().find("NOTE: The value was rounded up to the closest allowable value."),
        std::string::npos)
        << session.PaneText();
    EXPECT_EQ(ShownLines(), ExpectedLines(Config()));
    EXPECT_TRUE(Screenshot("panel_drop_down_editor", session.Main()));
}

// The tip of the feature list follows the line under the mouse.
TEST_F(PanelGui, FeatureLineTipDescribesTheLineUnderTheMouse) {
    ASSERT_TRUE(SelectTab(session, kPanelTab));
    const HWND list = session.Control(IDC_FEATURE_LIST);
    for (const int line : {2, 5}) {
        RECT place{};
        place.left = LVIR_BOUNDS;
        SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(line),
                     reinterpret_cast<LPARAM>(&place));
        const LPARAM at = MAKELPARAM(place.left + 20, (place.top + place.bottom) / 2);
        PostMessageA(list, WM_MOUSEMOVE, 0, at);
        PumpFor(50);
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = session.window.TooltipWindow();
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(list);
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(session.Main(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        const std::string name = ShownLines().at(static_cast<std::size_t>(line))[1];
        std::uint32_t id = 0;
        for (const edit::Feature& feature : edit::Features()) {
            if (regs::FormatFieldName(feature.id, regs::kShowName | regs::kShowAttributes) ==
                name) {
                id = feature.id;
            }
        }
        EXPECT_EQ(info.lpszText != nullptr ? std::string(info.lpszText) : "",
                  regs::FieldHelpForId(id))
            << line;
    }
}

TEST_F(PanelGui, PanelTypePowerPinAndDelaySaveAndReadBack) {
    ASSERT_TRUE(SelectTab(session, kPanelTab));
    PickItem(session.Control(IDC_PANEL_TYPE), 1);
    EXPECT_EQ(Get(regs::kIdPanelType), 1u);
    EXPECT_EQ(ShownLines(), ExpectedLines(Config()));
    PickItem(session.Control(IDC_PANEL_TYPE), 4); // "TFT Type 3"
    EXPECT_EQ(Get(regs::kIdPanelType), 5u);
    EXPECT_EQ(ShownLines(), ExpectedLines(Config()));
    PickItem(session.Control(IDC_PANEL_TYPE), 0);
    EXPECT_EQ(Get(regs::kIdPanelType), 0u);

    ASSERT_TRUE(SelectTab(session, kPowerTab));
    EXPECT_EQ(Text(IDC_POWER_ENABLE), "&Enable power panel support (using GPO)");
    const HWND pin9 = session.Control(IDC_POWER_PIN_0 + 9);
    ASSERT_TRUE(IsWindowVisible(pin9));
    if (SendMessageA(session.Control(IDC_POWER_ENABLE), BM_GETCHECK, 0, 0) != BST_CHECKED) {
        Click(session.Control(IDC_POWER_ENABLE));
    }
    Click(pin9);
    EXPECT_EQ(Get(regs::kIdGpoPowerMask), 0x200u);
    EXPECT_EQ(SendMessageA(pin9, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(Screenshot("panel_power_gpo_pin9", session.Main()));
    TypeInto(session.Control(IDC_POWER_ON_DELAY), "30");
    FocusOn(session.Control(IDC_POWER_OFF_DELAY));
    EXPECT_EQ(Get(regs::kIdPowerOnTime), 30u);

    ModalScript saved;
    saved.Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(saved.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }, kSlowStepMs));
    config::WorkingConfig read(TemplateRecord);
    ASSERT_TRUE(
        containers::OpenConfigFile(image, read, [](const std::string& text) { FAIL() << text; }));
    for (std::uint32_t id = 1; id <= 185; ++id) {
        EXPECT_EQ(regs::GetFieldValue(read, id), Get(id)) << id;
    }
    EXPECT_EQ(regs::GetFieldValue(read, regs::kIdGpoPowerMask), 0x200u);
    EXPECT_EQ(regs::GetFieldValue(read, regs::kIdPowerOnTime), 30u);
}

} // namespace
} // namespace k7r::cfgui::gui
