#include "config/hal_struct.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_controls.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/register_table.h"
#include "regs/register_width.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace k7r::regs {
namespace {

// Ids rise through the table, with the second copy of the product and
// revision codes (REG[00h] bits 7:0) as the only step back; a swapped or
// mistyped row breaks the sequence.
TEST(FieldTable, IdsRunFromOneTo185AndOnlyThePairsAndGpoControlShareBits) {
    std::map<std::uint32_t, int> count;
    std::vector<std::uint32_t> stepsBack;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::uint32_t id = kFieldTable[i].Id;
        ++count[id];
        if (i > 0 && id <= kFieldTable[i - 1].Id) {
            stepsBack.push_back(id);
        }
    }
    EXPECT_EQ(stepsBack, (std::vector<std::uint32_t>{25}));
    EXPECT_EQ(count.size(), 184u);
    EXPECT_EQ(count.begin()->first, 1u);
    EXPECT_EQ(count.rbegin()->first, 185u);
    EXPECT_FALSE(count.contains(37));
    for (const auto& [id, times] : count) {
        EXPECT_EQ(times, id == 25 || id == 26 ? 2 : 1) << id;
    }
    EXPECT_EQ(kFieldTable[FindField(25)].Mask, 0xFC000000u);
    // Fields of one register must not overlap, except the five converted/raw
    // pairs (consecutive records with the same bits) and GPO Control (99), which
    // writes all eleven GPO bits at once.
    std::set<std::pair<std::uint32_t, std::uint32_t>> sharing;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        for (std::size_t j = i + 1; j < kFieldCount; ++j) {
            const FIELD_DESC& a = kFieldTable[i];
            const FIELD_DESC& b = kFieldTable[j];
            if ((a.Attributes & b.Attributes & ffREGISTER) && a.Register == b.Register &&
                (a.Mask & b.Mask) && a.Id != 99 && b.Id != 99) {
                EXPECT_EQ(j, i + 1) << a.Id << " and " << b.Id;
                EXPECT_EQ(a.Mask, b.Mask) << a.Id << " and " << b.Id;
                EXPECT_TRUE(b.Attributes & ffLIST) << b.Id;
                EXPECT_FALSE(a.Attributes & ffLIST) << a.Id;
                sharing.insert({a.Id, b.Id});
            }
        }
    }
    const std::set<std::pair<std::uint32_t, std::uint32_t>> pairs = {
        {29, 30}, {32, 33}, {41, 42}, {52, 53}, {111, 112}};
    EXPECT_EQ(sharing, pairs);
}

// A record is a register field, a record setting or a computed one; a
// register field is one run of bits inside a described register, and its
// formula has one place for them. Help ends a sentence and has no double
// blanks but in the texts quoted word for word.
TEST(FieldTable, EveryRecordIsWellFormed) {
    constexpr std::uint32_t kKinds = ffREGISTER | ffRECORD | ffCOMPUTED;
    const std::set<std::string_view> units = {
        "", "MHz", "ms", "Hz", "bytes", "pixels", "lines", "degrees", "BPP", "dwords", "cycles"};
    for (const FIELD_DESC& field : kFieldTable) {
        EXPECT_EQ(field.Attributes & ~0x3FFu, 0u) << field.Id;
        const std::uint32_t expected = field.Id <= 18   ? ffRECORD
                                       : field.Id <= 24 ? ffCOMPUTED
                                                        : ffREGISTER;
        EXPECT_EQ(field.Attributes & kKinds, expected) << field.Id;
        EXPECT_FALSE(field.ShortName.empty()) << field.Id;
        EXPECT_FALSE(field.LongName.empty()) << field.Id;
        EXPECT_TRUE(units.contains(field.Units)) << field.Id;
        if (!field.Help.empty()) {
            EXPECT_TRUE(field.Help.ends_with('.')) << field.Id;
            const bool quotedWithDoubleBlank = field.Id == 12 || field.Id == 13 || field.Id == 18;
            EXPECT_EQ(field.Help.find("  ") != std::string_view::npos, quotedWithDoubleBlank)
                << field.Id;
        }
        if (!(field.Attributes & ffREGISTER)) {
            EXPECT_EQ(field.Register, 0u) << field.Id;
            EXPECT_EQ(field.Mask, 0u) << field.Id;
            EXPECT_TRUE(field.Formula.empty()) << field.Id;
            continue;
        }
        const BitRange bits = FieldBitRange(field.Mask);
        ASSERT_GE(bits.Lo, 0) << field.Id;
        EXPECT_EQ(field.Mask, FieldMaxValue(field.Mask) << bits.Lo) << field.Id;
        EXPECT_EQ(FieldMaxValue(field.Mask) >> (bits.Hi - bits.Lo), 1u) << field.Id;
        EXPECT_EQ(field.Mask & ~RegisterWidthMask(field.Register), 0u) << field.Id;
        EXPECT_LT(field.Register, unsigned{riRESERVED_FIRST}) << field.Id;
        EXPECT_NE(GetRegisterIdentifier(field.Register), "<ERROR>") << field.Id;
        if (!field.Formula.empty()) {
            EXPECT_NE(field.Formula.find("%s"), std::string_view::npos) << field.Id;
            EXPECT_EQ(std::count(field.Formula.begin(), field.Formula.end(), '%'), 1) << field.Id;
        }
    }
}

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

TEST(RegisterTable, LookupsIdentifiersOffsetsAndWidths) {
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
    // The identifier spells out the offset; a mistyped offset or a row copied
    // without editing shows up as a mismatch or a duplicate.
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
    // Only the USB block is sixteen bits wide.
    for (const auto& [offset, width] :
         {std::pair{0x3FFCu, 32u}, std::pair{0x4000u, 16u}, std::pair{0x4FFEu, 16u},
          std::pair{0x5000u, 32u}, std::pair{0x8000u, 32u}}) {
        EXPECT_EQ(RegisterWidth(offset), width) << offset;
    }
    EXPECT_EQ(RegisterWidthMask(0x4054), 0xFFFFu);
}

// Each record with the id gets its own paragraph showing its own bits (the
// paragraphs themselves are held by the command line's transcript). Binding
// needs a known id and replaces the record's range; control 0 never matches
// the records left unbound; help shows every record bound to the control, in
// table order.
TEST(FieldControls, HelpBindingAndFinding) {
    EXPECT_EQ(FieldHelpForId(25), "Product Code [READONLY] = REG[00h-b31:26]\n\n"
                                  "Product Code [READONLY] = REG[00h-b7:2]");
    for (const std::uint32_t id : {0u, 37u, 186u}) {
        EXPECT_EQ(FieldHelpForId(id), "") << id;
    }
    FieldControlBindings bindings;
    EXPECT_FALSE(BindFieldControls(bindings, 0, 1000, 0));
    EXPECT_FALSE(BindFieldControls(bindings, 37, 1000, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1000), 0u);
    EXPECT_TRUE(BindFieldControls(bindings, 25, 1000, 0));
    EXPECT_EQ(bindings.Ranges[FindField(25)].FirstControl, 1000u);
    EXPECT_EQ(FindFieldByControl(bindings, 1000), 25u);
    ASSERT_TRUE(BindFieldControls(bindings, 25, 1001, 0));
    ASSERT_TRUE(BindFieldControls(bindings, 54, 1301, 1305));
    ASSERT_TRUE(BindFieldControls(bindings, 46, 1311, 0));
    const std::pair<std::uint32_t, std::uint32_t> found[] = {{1000, 0},  {1001, 25}, {1300, 0},
                                                             {1301, 54}, {1305, 54}, {1306, 0},
                                                             {1311, 46}, {1312, 0},  {0, 0}};
    for (const auto& [control, id] : found) {
        EXPECT_EQ(FindFieldByControl(bindings, control), id) << control;
    }
    EXPECT_EQ(FieldHelpForControl(bindings, 0), "");
    ASSERT_TRUE(BindFieldControls(bindings, 33, 1406, 0));
    ASSERT_TRUE(BindFieldControls(bindings, 15, 1406, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1406), 15u);
    EXPECT_EQ(FieldHelpForControl(bindings, 1406),
              "Automatic PCLK Divide is not a register value.\n\n" + FieldHelpForId(33));
}

} // namespace
} // namespace k7r::regs
