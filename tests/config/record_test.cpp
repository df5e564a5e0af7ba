#include "config/byte_order.h"
#include "config/default_records.h"
#include "config/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace k7r::config {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Crc16, MatchesTheCcittFalseCheckValue) {
    EXPECT_EQ(Crc16(Bytes("123456789")), 0x29B1);
    EXPECT_EQ(Crc16(Bytes("")), 0xFFFF);
}

TEST(RecordCrc, IgnoresTheDescriptionSizeAndCrcFields) {
    HAL_STRUCT record = TemplateRecord;
    const std::uint16_t crc = ComputeRecordCrc(record);
    std::strcpy(record.Description, "Board rev B, 3.5\" QVGA");
    record.Crc = 0x1234;
    record.Size = 0;
    EXPECT_EQ(ComputeRecordCrc(record), crc);
    record.ClkI += 1;
    EXPECT_NE(ComputeRecordCrc(record), crc);
}

TEST(CheckRecord, TellsConfiguredUnconfiguredAndCorrupted) {
    HAL_STRUCT record = TemplateRecord;
    EXPECT_EQ(CheckRecord(record), RecordState::NotConfigured);
    record.Crc = ComputeRecordCrc(record);
    EXPECT_EQ(CheckRecord(record), RecordState::Configured);
    record.Regs[0].Value ^= 1;
    EXPECT_EQ(CheckRecord(record), RecordState::Corrupted);
}

TEST(ByteSwapRecord, SwapsNumbersButNotStringsAndIsItsOwnInverse) {
    HAL_STRUCT record = TemplateRecord;
    std::strcpy(record.Description, "swap me not");
    record.Regs[60] = {0x01020304, 0xA0B0C0D0}; // beyond the end marker too
    HAL_STRUCT swapped = record;
    ByteSwapRecord(swapped);

    EXPECT_EQ(swapped.EndianMark, 0x3412);
    EXPECT_EQ(swapped.Size, Swap16(HAL_RECORD_SIZE));
    EXPECT_EQ(swapped.ClkI, Swap32(50000000));
    EXPECT_EQ(swapped.PowerOffTime, Swap16(1200));
    EXPECT_EQ(swapped.Flags, Swap32(fFIXED_DIVMCLK));
    EXPECT_EQ(swapped.Regs[1].Value, 0x0000D728u);
    EXPECT_EQ(swapped.Regs[60].Index, 0x04030201u);
    EXPECT_STREQ(swapped.IdString, HAL_ID_STRING);
    EXPECT_STREQ(swapped.ChipId, HAL_CHIP_ID);
    EXPECT_STREQ(swapped.Description, "swap me not");

    ByteSwapRecord(swapped);
    EXPECT_EQ(std::memcmp(&swapped, &record, sizeof record), 0);
}

TEST(CountEntries, StopsAtTheFirstEndMarkerOrAfterTheWholeTable) {
    HAL_STRUCT record = TemplateRecord;
    EXPECT_EQ(CountEntries(record), 50);
    record.Regs[0].Index = riREGEND;
    EXPECT_EQ(CountEntries(record), 0);
    for (RegEntry& entry : record.Regs) {
        entry = {0x0080, 0};
    }
    EXPECT_EQ(CountEntries(record), HAL_MAX_REGS);
}

TEST(FindEntry, FindsTheLastEntryBeforeTheEnd) {
    HAL_STRUCT record = TemplateRecord;
    EXPECT_EQ(FindEntry(record, 0x0064), 49);
    EXPECT_EQ(FindEntry(record, 0x0068), 48);
    EXPECT_EQ(FindEntry(record, 0x8000), 0);
    EXPECT_EQ(FindEntry(record, 0x8018), 50);
    record.Regs[52] = {0x8018, 1}; // after the end: not part of the table
    EXPECT_EQ(FindEntry(record, 0x8018), 50);
}

} // namespace
} // namespace k7r::config
