#include "config/hal_struct.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/register_table.h"
#include "regs/register_width.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <vector>

namespace k7r::regs {
namespace {

bool IsRegisterField(const FIELD_DESC& field) {
    return field.Attributes & ffREGISTER;
}

TEST(FieldTable, FindFieldGivesTheFirstRecordOrTheTableLength) {
    EXPECT_EQ(kFieldTable[FindField(25)].Mask, 0xFC000000u);
    EXPECT_EQ(kFieldTable[FindField(26)].Mask, 0x03000000u);
    EXPECT_EQ(FindField(37), kFieldCount);
    EXPECT_EQ(FindField(0), kFieldCount);
    EXPECT_EQ(FindField(186), kFieldCount);
    EXPECT_EQ(FindField(1), 0u);
    EXPECT_EQ(FindField(185), kFieldCount - 1);
}

// Ids rise through the table, with the second copy of the product and
// revision codes (REG[00h] bits 7:0) as the only step back; a swapped or
// mistyped row breaks the sequence.
TEST(FieldTable, IdsRunFromOneTo185WithOnlyTheProductCodesRepeated) {
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
}

TEST(FieldTable, EachRecordIsARegisterFieldARecordSettingOrAComputedOne) {
    constexpr std::uint32_t kKinds = ffREGISTER | ffRECORD | ffCOMPUTED;
    for (const FIELD_DESC& field : kFieldTable) {
        EXPECT_EQ(field.Attributes & ~0x3FFu, 0u) << field.Id;
        const std::uint32_t kind = field.Attributes & kKinds;
        const std::uint32_t expected = field.Id <= 18   ? ffRECORD
                                       : field.Id <= 24 ? ffCOMPUTED
                                                        : ffREGISTER;
        EXPECT_EQ(kind, expected) << field.Id;
        if (!IsRegisterField(field)) {
            EXPECT_EQ(field.Register, 0u) << field.Id;
            EXPECT_EQ(field.Mask, 0u) << field.Id;
            EXPECT_TRUE(field.Formula.empty()) << field.Id;
        }
    }
}

TEST(FieldTable, RegisterFieldsAreOneRunOfBitsInADescribedRegister) {
    for (const FIELD_DESC& field : kFieldTable) {
        if (!IsRegisterField(field)) {
            continue;
        }
        const BitRange bits = FieldBitRange(field.Mask);
        ASSERT_GE(bits.Lo, 0) << field.Id;
        EXPECT_EQ(field.Mask, FieldMaxValue(field.Mask) << bits.Lo) << field.Id;
        EXPECT_EQ(FieldMaxValue(field.Mask) >> (bits.Hi - bits.Lo), 1u) << field.Id;
        EXPECT_EQ(field.Mask & ~RegisterWidthMask(field.Register), 0u) << field.Id;
        EXPECT_LT(field.Register, unsigned{riRESERVED_FIRST}) << field.Id;
        EXPECT_NE(GetRegisterIdentifier(field.Register), "<ERROR>") << field.Id;
    }
}

// Fields of one register must not overlap, except the five converted/raw
// pairs (consecutive records with the same bits) and GPO Control (99), which
// writes all eleven GPO bits at once.
TEST(FieldTable, OnlyThePairsAndGpoControlShareBits) {
    std::set<std::pair<std::uint32_t, std::uint32_t>> sharing;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        for (std::size_t j = i + 1; j < kFieldCount; ++j) {
            const FIELD_DESC& a = kFieldTable[i];
            const FIELD_DESC& b = kFieldTable[j];
            if (IsRegisterField(a) && IsRegisterField(b) && a.Register == b.Register &&
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

TEST(FieldTable, FormulasHoldOnePlaceForTheRegisterBits) {
    for (const FIELD_DESC& field : kFieldTable) {
        if (field.Formula.empty()) {
            continue;
        }
        const std::size_t slot = field.Formula.find("%s");
        ASSERT_NE(slot, std::string_view::npos) << field.Id;
        EXPECT_EQ(std::count(field.Formula.begin(), field.Formula.end(), '%'), 1) << field.Id;
    }
}

// Help ends a sentence and has no double blanks but in the texts quoted word
// for word. Composed texts once lived in fixed buffers (names 1024 bytes,
// help 4096); with these tables no text comes near, so no truncation shows.
TEST(FieldTable, NamesUnitsAndHelpTextsAreWellFormed) {
    const std::set<std::string_view> units = {
        "", "MHz", "ms", "Hz", "bytes", "pixels", "lines", "degrees", "BPP", "dwords", "cycles"};
    for (std::size_t record = 0; record < kFieldCount; ++record) {
        const FIELD_DESC& field = kFieldTable[record];
        EXPECT_FALSE(field.ShortName.empty()) << field.Id;
        EXPECT_FALSE(field.LongName.empty()) << field.Id;
        EXPECT_TRUE(units.contains(field.Units)) << field.Id;
        if (!field.Help.empty()) {
            EXPECT_TRUE(field.Help.ends_with('.')) << field.Id;
            const bool quotedWithDoubleBlank = field.Id == 12 || field.Id == 13 || field.Id == 18;
            EXPECT_EQ(field.Help.find("  ") != std::string_view::npos, quotedWithDoubleBlank)
                << field.Id;
        }
        EXPECT_LT(FormatRecordName(record, kShowName | kShowPosition | kShowAttributes).size(),
                  1024u);
        EXPECT_LT(FieldHelpForId(field.Id).size(), 4096u);
    }
}

} // namespace
} // namespace k7r::regs
