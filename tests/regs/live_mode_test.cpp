#include "config/working_config.h"
#include "edit/chip_session.h"
#include "hal/clock_synth.h"
#include "regs/field_bits.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"
#include "regs/register_table.h"
#include "tests/hal/chip_fixture.h"

namespace k7r::regs {
namespace {

constexpr int kEndEntry = 50;

// The template configuration initialized on the emulated board and live.
class LiveModeTest : public test::ChipTest {
  protected:
    void SetUp() override {
        ChipTest::SetUp();
        layerRecord = TemplateRecord;
        hal::UseRecord(layerRecord);
        ASSERT_TRUE(edit::InitializeFromWorkingConfig(config, {}));
        ASSERT_TRUE(config.Bound);
        config.Live = true;
        config.RedrawCountdown = 0;
    }

    std::uint32_t ChipFieldRaw(std::uint32_t id) {
        const FIELD_DESC& field = kFieldTable[FindField(id)];
        return (board().Peek32(field.Register) & field.Mask) >> FieldBitRange(field.Mask).Lo;
    }

    HAL_STRUCT layerRecord{};
    config::WorkingConfig config{TemplateRecord};
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
    EXPECT_EQ(layerRecord.ClkI, 40000000u);

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
