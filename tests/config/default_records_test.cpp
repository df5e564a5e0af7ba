#include "config/default_records.h"
#include "config/record.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace k7r::config {
namespace {

std::vector<RegEntry> Table(const HAL_STRUCT& record) {
    return {record.Regs, record.Regs + CountEntries(record) + 1};
}

TEST(TemplateRecord, HoldsTheDefaultsAndIsNotConfigured) {
    const HAL_STRUCT& r = TemplateRecord;
    EXPECT_EQ(std::string_view(r.IdString), "58C22 HAL EXE");
    EXPECT_EQ(r.Description[0], '\0');
    EXPECT_EQ(r.Size, 856);
    EXPECT_EQ(CheckRecord(r), RecordState::NotConfigured);
    EXPECT_EQ(r.ClkI, 50000000u);
    EXPECT_EQ(r.ClkI2, 50000000u);
    EXPECT_EQ(r.GpoPowerMask, 1);
    EXPECT_EQ(r.Flags, 0x0008u);
    const auto table = Table(r);
    ASSERT_EQ(table.size(), 51u);
    EXPECT_EQ(table[1].Value, 0x28D70000u);
    EXPECT_EQ(table[36].Index, 0x00C0u);
    EXPECT_EQ(table[36].Value, 0x09180E09u);
    EXPECT_EQ(table[45].Index, 0x00F8u);
    EXPECT_EQ(table[47].Index, static_cast<HAL_U32>(riDELAYON));
    EXPECT_EQ(table[47].Value, 50u);
    EXPECT_EQ(table[49].Value, 0x28D70001u);
    for (int i = 51; i < HAL_MAX_REGS; ++i) {
        EXPECT_EQ(r.Regs[i].Index, 0u);
    }
}

TEST(ViewerRecord, IsConfiguredWithTheCrcOfItsContent) {
    const HAL_STRUCT& r = ViewerRecord;
    EXPECT_EQ(CheckRecord(r), RecordState::Configured);
    EXPECT_EQ(r.ClkI, 40000000u);
    EXPECT_EQ(r.ClkI2, 6250000u);
    EXPECT_EQ(r.GpoPowerMask, 0);
    EXPECT_EQ(r.Flags, 0x0018u);
    const auto table = Table(r);
    ASSERT_EQ(table.size(), 50u);
    EXPECT_EQ(table[1].Index, 0x0014u);
    EXPECT_EQ(table[2].Value, 0x28D70000u);
    EXPECT_EQ(table[4].Index, 0x0008u);
    EXPECT_EQ(table[4].Value, 0x00000003u);
    EXPECT_EQ(table[46].Index, static_cast<HAL_U32>(riDELAYON));
    EXPECT_EQ(table[48].Index, 0x0014u);
    for (const RegEntry& e : table) {
        EXPECT_NE(e.Index, 0x0068u);
    }
}

} // namespace
} // namespace k7r::config
