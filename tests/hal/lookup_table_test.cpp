// Its own test program: the current lookup table lives as long as its layer,
// and the first case needs a bound layer that has not loaded one yet.
#include "hal/init_sequence.h"
#include "hal/lookup_tables.h"
#include "tests/hal/chip_fixture.h"

namespace k7r::hal {
namespace {

using test::ChipTest;

std::uint32_t ReadBackLut(std::uint32_t index) {
    hal::WriteReg32(0x1C, index << 24);
    return hal::ReadReg32(0x1C);
}

void SetDepth(HAL_STRUCT& record, std::uint32_t bitsPerPixel) {
    record.Regs[config::FindEntry(record, 0x10)].Value = bitsPerPixel;
    record.Crc = config::ComputeRecordCrc(record);
}

TEST_F(ChipTest, SixteenBitsLoadNoTableUntilAnEightBitInitialization) {
    ASSERT_TRUE(hal::AcquireChip().has_value());
    SetDepth(record, 16);
    ASSERT_TRUE(hal::InitializeChip(0));
    EXPECT_EQ(ReadBackLut(255), 0xFF000000u);
    EXPECT_EQ(ReadBackLut(15), 0x0F000000u);

    SetDepth(record, 8);
    ASSERT_TRUE(hal::InitializeChip(0));
    EXPECT_EQ(ReadBackLut(255), 0xFFFFFFFFu);

    board().PowerOn();
    ASSERT_TRUE(hal::AcquireChip().has_value());
    SetDepth(record, 16);
    ASSERT_TRUE(hal::InitializeChip(0));
    // The 256-entry colour table again, read back through REG[1Ch].
    const auto table = hal::DefaultLookupTable(8, true);
    ASSERT_EQ(table.size(), 256u);
    for (std::uint32_t n = 0; n < 256; ++n) {
        EXPECT_EQ(ReadBackLut(n), table[n]) << n;
    }
}

TEST(DefaultLookupTables, SampleEntries) {
    const auto colour256 = hal::DefaultLookupTable(8, true);
    EXPECT_EQ(colour256[8], 0x08555555u);
    EXPECT_EQ(colour256[16 + 8], 0x18898989u);   // grey run, level 8 = 89h
    EXPECT_EQ(colour256[96 + 0], 0x6000FFFFu);   // (00, FF, L15)
    EXPECT_EQ(colour256[160 + 15], 0xAF0000FFu); // (L0, 00, FF)
    EXPECT_EQ(colour256[240 + 1], 0xF11111FFu);
    EXPECT_EQ(hal::DefaultLookupTable(4, true)[9], 0x090000FFu);
    EXPECT_EQ(hal::DefaultLookupTable(2, true)[2], 0x02FF0000u);
    EXPECT_EQ(hal::DefaultLookupTable(1, false)[1], 0x01FFFFFFu);
    EXPECT_EQ(hal::DefaultLookupTable(2, false)[1], 0x01555555u);
    EXPECT_EQ(hal::DefaultLookupTable(4, false)[9], 0x099C9C9Cu);
    EXPECT_EQ(hal::DefaultLookupTable(8, false)[65], 0x41040404u);
    EXPECT_EQ(hal::DefaultLookupTable(8, false)[63], 0x3FFCFCFCu);
    EXPECT_TRUE(hal::DefaultLookupTable(16, true).empty());
}

} // namespace
} // namespace k7r::hal
