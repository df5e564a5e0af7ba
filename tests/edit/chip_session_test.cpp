#include "config/working_config.h"
#include "edit/chip_session.h"
#include "edit/test_pattern.h"
#include "hal/clock_synth.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/hal/chip_fixture.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace k7r::edit {
namespace {

class ChipSessionTest : public test::ChipTest {
  protected:
    void SetUp() override {
        ChipTest::SetUp();
        record = TemplateRecord;
    }

    config::WorkingConfig config{TemplateRecord};
    std::string message;
};

TEST_F(ChipSessionTest, CopiesTheWorkingRecordWithAFreshCrcAndBinds) {
    config.AutoRedraw = true;
    config.Record.ClkI = 40000000;
    EXPECT_TRUE(InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(message, "Initialized K7R58C22 using HAL build 2.\n");
    EXPECT_EQ(board().UsbResets(), 0); // software reset is off unless asked for
    EXPECT_EQ(record.ClkI, 40000000u);
    EXPECT_EQ(record.Crc, config::ComputeRecordCrc(record));
    EXPECT_TRUE(config.Bound);
    EXPECT_EQ(config.RedrawCountdown, 1u);
    EXPECT_NE(config.RegisterBase, 0u);
    EXPECT_EQ(config.MemoryBase, config.RegisterBase + 0x200000);
    EXPECT_EQ(board().Synthesizer().Programmed(0).frequencyHz, hal::ClockState()[0].achievedHz);

    // Acquired once per process: a second run keeps the mapping.
    const std::uintptr_t registers = config.RegisterBase;
    EXPECT_TRUE(InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(config.RegisterBase, registers);
    // The second programming starts from the GPIO state the table left.
    EXPECT_EQ(board().Synthesizer().Words().size(), 8u);
    EXPECT_TRUE(board().Synthesizer().Errors().empty());
}

TEST_F(ChipSessionTest, ResetWithoutRegistersLeavesTheChipUnbound) {
    config.Bound = config.Live = true;
    EXPECT_TRUE(
        InitializeFromWorkingConfig(config, {.softwareReset = true, .initializeRegisters = false}));
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RedrawCountdown, 0u);
}

TEST_F(ChipSessionTest, FailureToAcquireIsReported) {
    test::SetEnvironment(emu::kEmulatorVariable, nullptr);
    config.Bound = config.Live = true;
    EXPECT_FALSE(InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(message, "Cannot Initialize: ERROR: Unable to find/load the K7R58xxx driver.\n");
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RegisterBase, 0u);
}

TEST_F(ChipSessionTest, ShutdownResetsABoundChipOnly) {
    ASSERT_TRUE(InitializeFromWorkingConfig(config, {}));
    const int usbResets = board().UsbResets();
    config.Live = true;
    ShutdownChip(config);
    EXPECT_EQ(board().UsbResets(), usbResets + 1);
    EXPECT_EQ(board().ChipResets(), 1);
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    ShutdownChip(config);
    EXPECT_EQ(board().ChipResets(), 1);
}

TEST_F(ChipSessionTest, LiveOnlyWhileBoundAndTheRedrawComesOnATick) {
    SetLive(config, true);
    EXPECT_FALSE(config.Live);
    ASSERT_TRUE(InitializeFromWorkingConfig(config, {}));
    SetLive(config, true);
    EXPECT_TRUE(config.Live);

    SetAutoRedraw(config, true);
    EXPECT_EQ(config.RedrawCountdown, 1u);
    board().DisplayMemory()[0] = 0;
    LiveTimerTick(config);
    EXPECT_EQ(board().DisplayMemory()[0], 0xFF); // the pattern's white first line
    EXPECT_EQ(config.RedrawCountdown, 0u);

    // Counted down without the option: no pattern.
    SetAutoRedraw(config, false);
    config.RedrawCountdown = 2;
    board().DisplayMemory()[0] = 0;
    LiveTimerTick(config);
    LiveTimerTick(config);
    EXPECT_EQ(config.RedrawCountdown, 0u);
    EXPECT_EQ(board().DisplayMemory()[0], 0);
}

// The emulator's picture follows what the utility does to the panel:
// initialization, the pattern, and live edits at the next tick; a tick
// that changed nothing writes nothing.
TEST_F(ChipSessionTest, ThePanelPictureFollowsTheChip) {
    const std::filesystem::path picture =
        std::filesystem::path(K7R_BINARY_DIR) / "tests" / "chip_session_panel.png";
    const auto written = [&] { return std::filesystem::exists(picture); };
    std::filesystem::remove(picture);
    test::SetEnvironment(emu::kEmulatorVariable, picture.string().c_str());

    ASSERT_TRUE(InitializeFromWorkingConfig(config, {}));
    EXPECT_TRUE(written());
    std::filesystem::remove(picture);
    DrawTestPattern(config, true);
    EXPECT_TRUE(written());

    std::filesystem::remove(picture);
    SetLive(config, true);
    LiveTimerTick(config);
    EXPECT_FALSE(written());
    ASSERT_TRUE(regs::SetFieldValue(config, regs::kIdBitsPerPixel, 4));
    EXPECT_FALSE(written());
    LiveTimerTick(config);
    EXPECT_TRUE(written());
}

} // namespace
} // namespace k7r::edit
