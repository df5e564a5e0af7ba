#include "regs/field_bits.h"

#include <gtest/gtest.h>

namespace k7r {
namespace {

TEST(FieldBitRange, CoversEmptyWholeAndSingleBitMasks) {
    EXPECT_EQ(FieldBitRange(0).Lo, -1);
    EXPECT_EQ(FieldBitRange(0).Hi, -1);
    EXPECT_EQ(FieldBitRange(0xFFFFFFFF).Lo, 0);
    EXPECT_EQ(FieldBitRange(0xFFFFFFFF).Hi, 31);
    EXPECT_EQ(FieldBitRange(0x80000000).Lo, 31);
    EXPECT_EQ(FieldBitRange(0x80000000).Hi, 31);
    EXPECT_EQ(FieldBitRange(0x007F0000).Lo, 16);
    EXPECT_EQ(FieldBitRange(0x007F0000).Hi, 22);
}

TEST(FieldBitRange, StopsAtTheFirstGap) {
    const BitRange bits = FieldBitRange(0x00F0030C); // runs 3:2, 9:8 and 23:20
    EXPECT_EQ(bits.Lo, 2);
    EXPECT_EQ(bits.Hi, 3);
}

TEST(FieldMaxValue, IsTheMaskShiftedDownToBitZero) {
    EXPECT_EQ(FieldMaxValue(0), 0u);
    EXPECT_EQ(FieldMaxValue(0x00000030), 3u);
    EXPECT_EQ(FieldMaxValue(0xFC000000), 0x3Fu);
    EXPECT_EQ(FieldMaxValue(0xFFFFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(FieldMaxValue(0x00000500), 5u); // a gap is kept, not filled
}

} // namespace
} // namespace k7r
