// The General, Preferences and Clocks tabs on the real main window under
// Wine, with a real program image open: options clicked, fields typed into
// and left, list items picked as a user would, and the saved file read back.
#include "cfgui/resource.h"
#include "cfgui/win32/win32_text.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/support/test_files.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace k7r::cfgui::gui {
namespace {

constexpr int kGeneralTab = 0;
constexpr int kPreferencesTab = 1;
constexpr int kClocksTab = 2;

// The viewer's record in a program image, open in the utility.
class GeneralPagesGui : public ::testing::Test {
  protected:
    void SetUp() override {
        image = test::ScratchDirectory() + "/viewer.exe";
        test::WriteFileBytes(image, test::ReadFileBytes(test::TestImagePath("carrier.exe")));
        ASSERT_TRUE(session.window.OpenFile(WindowsPath(image)));
        ASSERT_TRUE(session.app.active) << "the main window never became active";
    }

    std::string Text(int control) const { return win32::WindowText(session.Control(control)); }
    bool Checked(int control) const {
        return SendMessageA(session.Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool Enabled(int control) const { return IsWindowEnabled(session.Control(control)) != FALSE; }
    std::uint32_t Get(std::uint32_t id) {
        return regs::GetFieldValue(session.app.session.config, id);
    }

    Session session;
    std::string image;
};

TEST_F(GeneralPagesGui, PagesEditTheConfigurationThatSaveWrites) {
    ASSERT_TRUE(SelectTab(session, kGeneralTab));
    Click(session.Control(IDC_PLATFORM_SH3));
    EXPECT_EQ(Text(IDC_REGISTER_ADDRESS), "14000000");
    EXPECT_EQ(Text(IDC_BUFFER_ADDRESS), "04000000");
    EXPECT_FALSE(Enabled(IDC_REGISTER_ADDRESS));
    Click(session.Control(IDC_PLATFORM_USER));
    EXPECT_TRUE(Checked(IDC_PLATFORM_USER));
    EXPECT_FALSE(Checked(IDC_PLATFORM_SH3));
    ASSERT_TRUE(Enabled(IDC_REGISTER_ADDRESS));
    TypeInto(session.Control(IDC_REGISTER_ADDRESS), "1f000abc");
    TypeInto(session.Control(IDC_BUFFER_ADDRESS), "9abc");
    FocusOn(session.Control(IDC_USB_SUPPORT));
    EXPECT_EQ(Text(IDC_REGISTER_ADDRESS), "1F000ABC");
    EXPECT_EQ(Text(IDC_BUFFER_ADDRESS), "00009ABC");
    EXPECT_EQ(Text(IDC_PLATFORM_TAVEX), "Tavex M2P58C22R01A/R01B");
    EXPECT_TRUE(Screenshot("general_page", session.Main()));

    ASSERT_TRUE(SelectTab(session, kPreferencesTab));
    Click(session.Control(IDC_BPP_16));
    Click(session.Control(IDC_SWIVEL_90));
    EXPECT_TRUE(Checked(IDC_BPP_16));
    EXPECT_FALSE(Checked(IDC_BPP_8));
    const HWND description = session.Control(IDC_DESCRIPTION);
    TypeInto(description, "Lab board");
    PressKey(VK_RETURN); // a line break in the field, not the next control
    EXPECT_EQ(GetFocus(), description);
    TypeMore(description, "rev. B");
    FocusOn(session.Control(IDC_BPP_16));
    EXPECT_EQ(regs::FormatFieldValue(session.app.session.config, regs::kIdDescription),
              "Lab board\nrev. B");
    EXPECT_EQ(win32::WindowText(description), "Lab board\r\nrev. B");
    EXPECT_EQ(Get(regs::kIdMainLineOffset), Get(regs::kIdVertDisplay) * 2)
        << "16 bpp lines of the height";
    EXPECT_TRUE(Screenshot("preferences_page", session.Main()));

    ASSERT_TRUE(SelectTab(session, kClocksTab));
    TypeIntoList(session.Control(IDC_CLKI_TIMING), "25.175");
    FocusOn(session.Control(IDC_PCLK_SOURCE));
    EXPECT_EQ(Get(regs::kIdClkI), 25175000u);
    EXPECT_EQ(Text(IDC_CLKI_TIMING), "25.175");
    PickItem(session.Control(IDC_PCLK_SOURCE), 2); // CLKI
    PickItem(session.Control(IDC_PCLK_DIVIDE), 2); // 2:1
    EXPECT_EQ(Get(regs::kIdPclkSource), 2u);
    EXPECT_EQ(Get(regs::kIdAutoPclkDivide), 0u);
    EXPECT_EQ(Text(IDC_PCLK_TIMING), " 12.587 MHz");
    EXPECT_EQ(Get(regs::kIdFrameRate),
              12587500 / (Get(regs::kIdHorzTotal) * Get(regs::kIdVertTotal)));
    EXPECT_TRUE(Screenshot("clocks_page", session.Main()));
    EXPECT_FALSE(session.app.diagnostics.error) << session.PaneText();

    ModalScript saved;
    saved.Expect("58C22CFG", ModalScript::Press(IDOK));
    ASSERT_TRUE(saved.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }));

    HAL_STRUCT stored{};
    const containers::MessageSink fail = [](const std::string& text) { ADD_FAILURE() << text; };
    ASSERT_TRUE(containers::InspectConfigFile(image, stored, fail));
    EXPECT_EQ(stored.Crc, config::ComputeRecordCrc(stored));
    config::WorkingConfig reread(stored);
    EXPECT_EQ(regs::GetFieldValue(reread, regs::kIdRegPhysAddr), 0x1F000ABCu);
    EXPECT_EQ(regs::GetFieldValue(reread, regs::kIdMemPhysAddr), 0x9ABCu);
    EXPECT_EQ(regs::GetFieldValue(reread, regs::kIdBitsPerPixel), 16u);
    EXPECT_EQ(regs::GetFieldValue(reread, regs::kIdSwivelView), 90u);
    EXPECT_EQ(regs::GetFieldValue(reread, regs::kIdClkI), 25175000u);
    EXPECT_EQ(regs::FormatFieldValue(reread, regs::kIdDescription), "Lab board\nrev. B");
}

TEST_F(GeneralPagesGui, RefusedEntriesKeepTheFocusWithTheirError) {
    ASSERT_TRUE(SelectTab(session, kGeneralTab));
    Click(session.Control(IDC_PLATFORM_USER));
    const HWND address = session.Control(IDC_REGISTER_ADDRESS);
    TypeInto(address, "12G");
    EXPECT_FALSE(SelectTab(session, kClocksTab));
    EXPECT_EQ(session.PaneText().rfind("ERROR: \"12G\" is not a valid Phys Reg Addr!", 0), 0u)
        << session.PaneText();
    EXPECT_EQ(GetFocus(), address);
    TypeInto(address, "12");
    ASSERT_TRUE(SelectTab(session, kClocksTab));
    EXPECT_EQ(Get(regs::kIdRegPhysAddr), 0x12u);

    const HWND clock = session.Control(IDC_CLKI2_TIMING);
    TypeIntoList(clock, "0.390");
    FocusOn(session.Control(IDC_PCLK_SOURCE));
    EXPECT_EQ(session.PaneText().rfind("ERROR: \"0.390\" is not a valid CLKI2 Timing!", 0), 0u)
        << session.PaneText();
    EXPECT_EQ(GetParent(GetFocus()), clock);
    TypeIntoList(clock, "120");
    FocusOn(session.Control(IDC_PCLK_SOURCE));
    EXPECT_EQ(Get(regs::kIdClkI2), 120000000u);
    EXPECT_EQ(Text(IDC_CLKI2_TIMING), "120.000");
}

TEST_F(GeneralPagesGui, DutyCycleFieldSpinAndSliderAgree) {
    ASSERT_TRUE(SelectTab(session, kClocksTab));
    if (!Checked(IDC_PWMCLK_ENABLE)) {
        Click(session.Control(IDC_PWMCLK_ENABLE));
    }
    ASSERT_TRUE(Enabled(IDC_DUTY_CYCLE_SLIDER));
    const HWND field = session.Control(IDC_DUTY_CYCLE);
    TypeInto(field, "300");
    FocusOn(session.Control(IDC_PWMCLK_SOURCE));
    EXPECT_EQ(Get(regs::kIdDutyCycle), 255u);
    EXPECT_EQ(win32::WindowText(field), "255");
    EXPECT_EQ(SendMessageA(session.Control(IDC_DUTY_CYCLE_SLIDER), PBM_GETPOS, 0, 0), 255);
    EXPECT_NE(session.PaneText().find(
                  "NOTE: The PWMOUT Duty Cycle was set to the closest allowable value."),
              std::string::npos)
        << session.PaneText();

    const HWND slider = session.Control(IDC_DUTY_CYCLE_SLIDER);
    RECT client;
    GetClientRect(slider, &client);
    SendMessageA(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.left, 2));
    SendMessageA(slider, WM_LBUTTONUP, 0, MAKELPARAM(client.left, 2));
    EXPECT_EQ(Get(regs::kIdDutyCycle), 0u);
    EXPECT_EQ(win32::WindowText(field), "0");

    SendMessageA(session.Control(IDC_DUTY_CYCLE_SPIN), WM_KEYDOWN, VK_UP, 0);
    PumpFor(50);
    EXPECT_EQ(Get(regs::kIdDutyCycle), 1u);
    EXPECT_EQ(SendMessageA(slider, PBM_GETPOS, 0, 0), 1);
    EXPECT_TRUE(Screenshot("clocks_page_pwm", session.Main()));

    Click(session.Control(IDC_PWMCLK_ENABLE));
    EXPECT_FALSE(Enabled(IDC_DUTY_CYCLE_SLIDER));
    EXPECT_FALSE(Enabled(IDC_PWMCLK_SOURCE));
}

} // namespace
} // namespace k7r::cfgui::gui
