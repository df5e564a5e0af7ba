#include "config/hal_struct.h"
#include "regs/register_table.h"
#include "regs/register_width.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace k7r::regs {
namespace {

TEST(RegisterTable, LookupsSearchEveryEntryIncludingThePseudoRegisters) {
    EXPECT_EQ(GetRegisterIdentifier(0x8000), "REG8000_BLT_CONTROL");
    EXPECT_EQ(GetRegisterIdentifier(0xFFFE), "REG_POWER_ON_DELAY");
    EXPECT_EQ(GetRegisterIdentifier(0x0000), "REG0000_PRODUCT_INFORMATION");
    EXPECT_EQ(GetRegisterName(0x4054), "USB Wait State Register");
    EXPECT_EQ(GetRegisterName(riREGEND), "End of Registers Marker");
    // Unknown offsets, also one in a gap between real registers, give the error text.
    for (const std::uint32_t offset : {0x1234u, 0x004Cu, std::uint32_t{riRESERVED_FIRST}}) {
        EXPECT_EQ(GetRegisterIdentifier(offset), "<ERROR>") << offset;
        EXPECT_EQ(GetRegisterName(offset), "<ERROR>") << offset;
    }
}

// The identifier spells out the offset; a mistyped offset or a row copied
// without editing shows up as a mismatch or a duplicate.
TEST(RegisterTable, IdentifiersMatchTheirOffsetsAndEveryOffsetIsUnique) {
    std::set<std::uint32_t> offsets;
    for (std::size_t i = 0; i < kRealRegisterCount; ++i) {
        const REG_DESC& reg = kRegisterTable[i];
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "REG%04X_", reg.Offset);
        EXPECT_TRUE(reg.Identifier.starts_with(prefix)) << reg.Identifier;
        EXPECT_FALSE(reg.Name.empty()) << reg.Identifier;
        EXPECT_TRUE(offsets.insert(reg.Offset).second) << reg.Identifier;
        // Registers sit on their width's natural boundary.
        EXPECT_EQ(reg.Offset % (RegisterWidth(reg.Offset) / 8), 0u) << reg.Identifier;
    }
}

TEST(RegisterWidth, OnlyTheUsbBlockIsSixteenBitsWide) {
    EXPECT_EQ(RegisterWidth(0x3FFC), 32u);
    EXPECT_EQ(RegisterWidth(0x4000), 16u);
    EXPECT_EQ(RegisterWidth(0x4FFE), 16u);
    EXPECT_EQ(RegisterWidth(0x5000), 32u);
    EXPECT_EQ(RegisterWidth(0x8000), 32u);
    EXPECT_EQ(RegisterWidthMask(0x4054), 0xFFFFu);
}

} // namespace
} // namespace k7r::regs
