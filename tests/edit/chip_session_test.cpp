#include "config/working_config.h"
#include "edit/chip_session.h"
#include "edit/test_pattern.h"
#include "hal/clock_synth.h"
#include "regs/field_bits.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"
#include "regs/register_table.h"
#include "regs/setting_ids.h"
#include "tests/hal/chip_fixture.h"

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

namespace k7r::regs {
namespace {

constexpr int kEndEntry = 50;

// The template configuration initialized on the emulated board and live.
class LiveModeTest : public edit::ChipSessionTest {
  protected:
    void SetUp() override {
        ChipSessionTest::SetUp();
        ASSERT_TRUE(edit::InitializeFromWorkingConfig(config, {}));
        ASSERT_TRUE(config.Bound);
        config.Live = true;
        config.RedrawCountdown = 0;
    }

    std::uint32_t ChipFieldRaw(std::uint32_t id) {
        const FIELD_DESC& field = kFieldTable[FindField(id)];
        return (board().Peek32(field.Register) & field.Mask) >> FieldBitRange(field.Mask).Lo;
    }
};

TEST_F(LiveModeTest, ReadsComeFromTheChip) {
    hal::WriteReg32(0x20, 0x63);
    EXPECT_EQ(GetFieldValue(config, 67), 800u);
    EXPECT_EQ(config.Record.Regs[7].Value, 0x2Bu); // the table keeps its value
    EXPECT_EQ(ReadRegister(config, 0x20, -1), 0x63u);
    EXPECT_EQ(ReadRegister(config, 0, 8), 0x63u); // position 8 of the description table
    config.Live = false;
    EXPECT_EQ(GetFieldValue(config, 67), 352u);
}

TEST_F(LiveModeTest, WritesEnumerationAndClocksGoThroughTheChip) {
    config.AutoRedraw = true;
    EXPECT_TRUE(SetFieldValue(config, 54, 16));
    EXPECT_EQ(ChipFieldRaw(54), 16u);
    EXPECT_EQ(config.Record.Regs[6].Value & 0x1F, 16u); // REG[10h] entry follows
    EXPECT_EQ(config.RedrawCountdown, 1u);
    // Not a picture-changing field: no redraw.
    config.RedrawCountdown = 0;
    EXPECT_TRUE(SetFieldValue(config, 116, 128));
    EXPECT_EQ(ChipFieldRaw(116), 128u);
    EXPECT_EQ(config.RedrawCountdown, 0u);
    // A register write to a mode register arms it too.
    WriteRegister(config, 0x24, 0x4F, 8);
    EXPECT_EQ(board().Peek32(0x24), 0x4Fu);
    EXPECT_EQ(config.Record.Regs[8].Value, 0x4Fu);
    EXPECT_EQ(config.RedrawCountdown, 1u);
    // Registers without an entry reach only the chip; USB registers are 16 bits wide.
    SetFieldValue(config, 182, 100);
    EXPECT_EQ(board().Peek32(0x8018) & 0x3FF, 99u);
    EXPECT_EQ(config.Record.Regs[kEndEntry].Value, 0u);
    EXPECT_EQ(GetFieldValue(config, 182), 100u);
    WriteRegister(config, 0x4002, 0x1234ABCD, -1);
    EXPECT_EQ(ReadRegister(config, 0x4002, -1), 0xABCDu);
    EXPECT_TRUE(board().BusErrors().empty());
    // The description table is enumerated and broken down.
    int count = 0;
    for (int position = 0; EnumRegister(config, position).more; ++position) {
        ++count;
    }
    EXPECT_EQ(count, static_cast<int>(kRealRegisterCount));
    EXPECT_EQ(EnumRegister(config, 94).reg, static_cast<std::uint32_t>(riREGEND));
    hal::WriteReg32(0x04, 0x30);
    EXPECT_EQ(RegisterBreakdown(config, 1), "Register 0004h breakdown:\n"
                                            "  [Bits5:4]  MCLK Div = 4:1 \n"
                                            "  [Bit0]  BCLK Src = CLKI ");
    // Clock changes reprogram the synthesizer.
    const std::size_t before = board().Synthesizer().Words().size();
    EXPECT_TRUE(SetFieldValue(config, 2, 40000000));
    const auto& words = board().Synthesizer().Words();
    ASSERT_EQ(words.size(), before + 3);
    for (std::uint32_t reg = 0; reg < 3; ++reg) {
        EXPECT_EQ(words[before + reg] >> 21, reg);
    }
    EXPECT_EQ(board().Synthesizer().Programmed(0).word, hal::ClockState()[0].word);
    EXPECT_EQ(record.ClkI, 40000000u);

    EXPECT_TRUE(SetFieldValue(config, 3, 25175000));
    ASSERT_EQ(words.size(), before + 4);
    EXPECT_EQ(words.back() >> 21, 3u);
    EXPECT_EQ(hal::ClockState()[3].requestedHz, 25175000u);
    // Other record settings leave the clocks alone.
    SetFieldValue(config, 6, 100);
    EXPECT_EQ(words.size(), before + 4);
    EXPECT_TRUE(board().Synthesizer().Errors().empty());
}

} // namespace
} // namespace k7r::regs
