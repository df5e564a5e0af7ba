#include "regs/field_bits.h"

#include <gtest/gtest.h>

namespace k7r::regs {
namespace {

TEST(FieldBits, RangeOfTheLowestRunAndMaskShiftedDown) {
    struct Case {
        std::uint32_t mask;
        int lo, hi;
        std::uint32_t max;
    };
    const Case cases[] = {
        {0, -1, -1, 0},
        {0xFFFFFFFF, 0, 31, 0xFFFFFFFF},
        {0x80000000, 31, 31, 1},
        {0x007F0000, 16, 22, 0x7F},
        {0xFC000000, 26, 31, 0x3F},
        {0x00F0030C, 2, 3, 0x3C00C3}, // runs 3:2, 9:8 and 23:20: the range stops at the first gap
        {0x00000500, 8, 8, 5},        // and the maximum keeps the gap
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldBitRange(c.mask).Lo, c.lo) << std::hex << c.mask;
        EXPECT_EQ(FieldBitRange(c.mask).Hi, c.hi) << std::hex << c.mask;
        EXPECT_EQ(FieldMaxValue(c.mask), c.max) << std::hex << c.mask;
    }
}

} // namespace
} // namespace k7r::regs
