#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"

#include <gtest/gtest.h>

#include <cstring>

namespace k7r::regs {
namespace {

// Positions in the template's table.
constexpr int kFirstGpo = 2;  // REG[68h] before the power-on delay
constexpr int kLastGpo = 48;  // REG[68h] after it
constexpr int kEndEntry = 50; // riREGEND

TEST(RegisterAccess, FieldsOfARepeatedRegisterUseItsLastEntry) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(GetFieldValue(config, 110), 1u); // GPO0 on after the delay
    config.Record.Regs[kLastGpo].Value = 0;
    EXPECT_EQ(GetFieldValue(config, 110), 0u);
    EXPECT_EQ(ReadRegister(config, 0x68, -1), 0u);
    EXPECT_EQ(ReadRegister(config, 0x68, kFirstGpo), 0u);
}

TEST(RegisterAccess, GpoPowerIsSwitchedOnOnlyAfterTheDelay) {
    config::WorkingConfig config(TemplateRecord);
    config.Record.Regs[kFirstGpo].Value = 0x7FF;
    // A new pin that shares nothing with the old one releases the old pin.
    EXPECT_TRUE(SetFieldValue(config, 9, 0x04));
    EXPECT_EQ(config.Record.GpoPowerMask, 0x04);
    EXPECT_EQ(config.Record.Regs[kFirstGpo].Value, 0u);
    EXPECT_EQ(config.Record.Regs[kLastGpo].Value, 0x04u);
}

TEST(RegisterAccess, RegisterWithoutAnEntryUsesTheEndEntry) {
    config::WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 182, 100); // BitBLT Width, REG[8018h]
    EXPECT_EQ(config.Record.Regs[kEndEntry].Index, static_cast<HAL_U32>(riREGEND));
    EXPECT_EQ(config.Record.Regs[kEndEntry].Value, 99u);
    EXPECT_EQ(GetFieldValue(config, 182), 100u);
    // Any register without an entry shares those bits.
    EXPECT_EQ(GetFieldValue(config, 183), 100u);
    EXPECT_EQ(ReadRegister(config, 0x8018, kEndEntry), 99u);
    EXPECT_EQ(ReadRegister(config, 0x8018, kEndEntry + 1), 0u);
    EXPECT_EQ(WriteRegister(config, 0x8018, 5, kEndEntry + 1), 5u);
    EXPECT_EQ(config.Record.Regs[kEndEntry + 1].Value, 0u);
}

TEST(RegisterAccess, TableWithoutEndMarkerHasNoEndEntry) {
    HAL_STRUCT record = TemplateRecord;
    for (RegEntry& entry : record.Regs) {
        if (entry.Index == riREGEND) {
            entry = {0x80, 0x1234};
        }
    }
    config::WorkingConfig config(record);
    ASSERT_EQ(config.EntryCount, HAL_MAX_REGS);
    const HAL_STRUCT before = config.Record;
    EXPECT_EQ(GetFieldValue(config, 182), 1u); // raw 0 + 1
    SetFieldValue(config, 182, 100);
    WriteRegister(config, 0x8018, 7, -1);
    EXPECT_EQ(ReadRegister(config, 0x8018, -1), 0u);
    EXPECT_EQ(std::memcmp(&before, &config.Record, sizeof before), 0);
    const EnumeratedRegister last = EnumRegister(config, HAL_MAX_REGS);
    EXPECT_FALSE(last.more);
}

TEST(RegisterAccess, StoredEnumerationStopsAtTheEnd) {
    config::WorkingConfig config(TemplateRecord);
    int count = 0;
    for (int position = 0; EnumRegister(config, position).more; ++position) {
        ++count;
    }
    EXPECT_EQ(count, 50);
    EXPECT_EQ(EnumRegister(config, 0).reg, 0x8000u);
    EXPECT_EQ(EnumRegister(config, -1).reg, static_cast<std::uint32_t>(riREGEND));
    EXPECT_EQ(EnumRegister(config, 99).reg, static_cast<std::uint32_t>(riREGEND));
}

TEST(RegisterAccess, WriteFieldBitsClampsAndWriteAllEntriesSplitsAtTheDelay) {
    config::WorkingConfig config(TemplateRecord);
    WriteFieldAllEntries(config, FindField(98), 0x12, 0x1FF);
    EXPECT_EQ(config.Record.Regs[1].Value, 0x28D70012u);
    EXPECT_EQ(config.Record.Regs[49].Value, 0x28D700FFu);
}

// The breakdowns of the template's entries are in the settings transcript.
TEST(RegisterBreakdown, DescribesTheEntryAtItsPositionOrNothing) {
    config::WorkingConfig config(TemplateRecord);
    config.Record.Regs[23].Value = 0x91; // REG[70h]
    const std::string text = RegisterBreakdown(config, 23);
    EXPECT_NE(text.find("\n  [Bits7:4]  PWMCLK Div = 512:1 "), std::string::npos);
    EXPECT_NE(text.find("\n  [Bit0]  PWMCLK Enabled = Enabled "), std::string::npos);
    EXPECT_EQ(config.PositionHint, -1);
    EXPECT_EQ(RegisterBreakdown(config, -1), "");
    config.Record.Regs[0].Index = 0x4000; // no field describes a USB register
    EXPECT_EQ(RegisterBreakdown(config, 0), "");
}

} // namespace
} // namespace k7r::regs
