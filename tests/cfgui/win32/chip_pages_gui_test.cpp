// The Registers and Direct tabs on the real main window under Wine, with
// the board emulator behind the Direct tab as 58C22CFG.EXE offers it: the
// panel picture it writes is what a user watching the board would see.
#include "cfgui/resource.h"
#include "cfgui/win32/win32_text.h"
#include "cfgui/win32/win32_view.h"
#include "emu/driver_choice.h"
#include "emu/emulated_driver.h"
#include "hal/access.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/edit/pattern_model.h"

#include <commctrl.h>
#include <png.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace k7r::cfgui::gui {
namespace {

constexpr int kPreferencesTab = 1;
constexpr int kRegistersTab = 5;
constexpr int kDirectTab = 6;
// Screenshots wait for another program.
constexpr int kSlowStepMs = 30000;

// The chip access layer's record, as the program has it.
HAL_STRUCT chipRecord{};

std::optional<emu::Picture> ReadPicture(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    emu::Picture picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr)) {
        return std::nullopt;
    }
    return picture;
}

bool Enabled(Session& session, int control) {
    return IsWindowEnabled(session.Control(control)) != FALSE;
}

class ChipPages : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteFileA(panel.c_str());
        _putenv_s(emu::kEmulatorVariable, panel.c_str());
        emu::OfferEmulatedBoard();
        emu::TheBoard().PowerOn();
        hal::UseRecord(chipRecord);
    }
    void TearDown() override {
        hal::ReleaseChip();
        _putenv_s(emu::kEmulatorVariable, "");
    }

    const std::string panel = WindowsPath(std::string(K7R_BINARY_DIR) + "/tests/gui_panel.png");
};

TEST_F(ChipPages, DirectTabDrivesTheBoardLive) {
    Session session;
    config::WorkingConfig& config = session.app.session.config;
    const bool colour = regs::GetFieldValue(config, regs::kIdColorPanel) != 0;
    ASSERT_TRUE(SelectTab(session, kDirectTab));
    for (const int control : {IDC_ADDITIONAL_OPTIONS, IDC_WRITE_IMMEDIATELY,
                              IDC_REDRAW_AFTER_CHANGE, IDC_DRAW_TEST_PATTERN, IDC_SHUTDOWN_CHIP}) {
        EXPECT_FALSE(Enabled(session, control)) << control;
    }
    EXPECT_FALSE(IsWindowVisible(session.Control(IDC_SOFTWARE_RESET)));
    EXPECT_TRUE(Screenshot("direct_page", session.Main()));

    Click(session.Control(IDC_INITIALIZE_CHIP));
    ASSERT_TRUE(config.Bound);
    EXPECT_EQ(session.PaneText().rfind("Initialized K7R58C22 using HAL build 2.", 0), 0u);
    EXPECT_TRUE(Enabled(session, IDC_SHUTDOWN_CHIP));
    EXPECT_TRUE(ReadPicture(panel).has_value());

    Click(session.Control(IDC_DRAW_TEST_PATTERN));
    std::optional<emu::Picture> picture = ReadPicture(panel);
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(test::ShowsPattern(*picture, 8, colour));

    Click(session.Control(IDC_WRITE_IMMEDIATELY));
    EXPECT_TRUE(config.Live);
    EXPECT_TRUE(session.window.LiveTimerRunning());
    ASSERT_TRUE(Enabled(session, IDC_REDRAW_AFTER_CHANGE));
    Click(session.Control(IDC_REDRAW_AFTER_CHANGE));
    EXPECT_TRUE(config.AutoRedraw);
    ASSERT_TRUE(PumpUntil([&] { return config.RedrawCountdown == 0; }));

    EXPECT_TRUE(Screenshot("direct_page_live", session.Main()));

    // Live, the Registers tab lists the chip's registers.
    ASSERT_TRUE(SelectTab(session, kRegistersTab));
    EXPECT_EQ(ListView_GetItemCount(session.Control(IDC_REGISTER_LIST)), 94);
    EXPECT_EQ(win32::WindowText(session.Control(IDC_REGISTERS_WARNING)).rfind("Warning: ", 0), 0u);
    EXPECT_TRUE(Screenshot("registers_page_live", session.Main()));

    // The timer outlives the Direct tab: a new depth chosen on the
    // Preferences tab shows in the pattern a tick later.
    ASSERT_TRUE(SelectTab(session, kPreferencesTab));
    Click(session.Control(IDC_BPP_16));
    EXPECT_TRUE(PumpUntil(
        [&] {
            picture = ReadPicture(panel);
            return picture && test::ShowsPattern(*picture, 16, colour);
        },
        1000));

    ASSERT_TRUE(SelectTab(session, kDirectTab));
    Click(session.Control(IDC_SHUTDOWN_CHIP));
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_FALSE(session.window.LiveTimerRunning());
    EXPECT_FALSE(Enabled(session, IDC_WRITE_IMMEDIATELY));
    EXPECT_EQ(emu::TheBoard().ChipResets(), 1);
    EXPECT_TRUE(emu::TheBoard().BusErrors().empty());
}

TEST_F(ChipPages, RegistersTabMarksARegisterModifiedByHand) {
    Session session;
    ASSERT_TRUE(SelectTab(session, kRegistersTab));
    const HWND list = session.Control(IDC_REGISTER_LIST);
    win32::Win32View lines(session.Page());
    int line = 0;
    while (line < ListView_GetItemCount(list) &&
           lines.LineText(IDC_REGISTER_LIST, line, 0) != "0010h   ") {
        ++line;
    }
    ASSERT_LT(line, ListView_GetItemCount(list));
    EXPECT_EQ(lines.LineText(IDC_REGISTER_LIST, line, 4), "00000000000000000000000000001000b");
    EXPECT_TRUE(Screenshot("registers_page", session.Main()));

    ListView_SetItemState(list, line, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, line, FALSE);
    FocusOn(list);
    const auto typeValue = [](const char* text) {
        return [text](HWND dialog) { SetDlgItemTextA(dialog, IDC_MODIFY_REGISTER_VALUE, text); };
    };
    ModalScript script;
    script
        .Expect("Modify register 0010h", ModalScript::Inspect(
                                             [&](HWND dialog) {
                                                 EXPECT_TRUE(Screenshot("modify_register", dialog));
                                                 typeValue("12G")(dialog);
                                             },
                                             IDOK))
        .Expect("58C22CFG", ModalScript::Press(IDOK))
        .Expect("Modify register 0010h", ModalScript::Inspect(typeValue("10"), IDOK));
    ASSERT_TRUE(script.Run([] { PressKey(VK_RETURN); }, kSlowStepMs));
    EXPECT_EQ(script.Texts()[1], "ERROR:Invalid value entered!");
    EXPECT_EQ(lines.LineText(IDC_REGISTER_LIST, line, 0), "0010h *");
    EXPECT_EQ(lines.LineText(IDC_REGISTER_LIST, line, 1), "00000010h");
    EXPECT_TRUE(Screenshot("registers_page_marked", session.Main()));
}

} // namespace
} // namespace k7r::cfgui::gui
