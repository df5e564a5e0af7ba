#include "config/default_records.h"
#include "config/record.h"
#include "config/working_config.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace k7r::config {
namespace {

TEST(Record, CrcLeavesOutDescriptionSizeAndCrcAndEntriesEndAtTheFirstMarker) {
    const std::string_view check = "123456789";
    EXPECT_EQ(Crc16({reinterpret_cast<const std::uint8_t*>(check.data()), check.size()}), 0x29B1);
    HAL_STRUCT record = TemplateRecord;
    EXPECT_EQ(CheckRecord(record), RecordState::NotConfigured); // no CRC at all
    const std::uint16_t crc = ComputeRecordCrc(record);
    std::strcpy(record.Description, "Board rev B, 3.5\" QVGA");
    record.Crc = 0x1234;
    record.Size = 0;
    EXPECT_EQ(ComputeRecordCrc(record), crc);
    record.ClkI += 1;
    EXPECT_NE(ComputeRecordCrc(record), crc);
    // An entry after the end marker is not part of the table. REG[64h] stands
    // before the power-on delay (entry 1) and after it (49); a position hint is
    // consumed only by its own register.
    EXPECT_EQ(CountEntries(record), 50);
    EXPECT_EQ(FindEntry(record, 0x0064), 49);
    EXPECT_EQ(FindEntry(record, 0x8000), 0);
    WorkingConfig config(record);
    config.PositionHint = 1;
    EXPECT_EQ(config.FindRegisterEntry(0x0068), 48);
    EXPECT_EQ(config.FindRegisterEntry(0x0064), 1);
    EXPECT_EQ(config.PositionHint, -1);
    EXPECT_EQ(config.FindRegisterEntry(0x0064), 49);
    record.Regs[52] = {0x8018, 1};
    EXPECT_EQ(FindEntry(record, 0x8018), 50);
}

// A stray hint must not index past a table without an end marker.
TEST(WorkingConfig, StaysWithinATableWithoutEndAndAdoptingUnbinds) {
    HAL_STRUCT record = TemplateRecord;
    for (int i = 0; i < HAL_MAX_REGS; ++i) {
        record.Regs[i] = {static_cast<HAL_U32>(i * 4), 0};
    }
    EXPECT_EQ(CountEntries(record), HAL_MAX_REGS);
    WorkingConfig config(record);
    EXPECT_EQ(config.EntryCount, HAL_MAX_REGS);
    EXPECT_EQ(config.FindRegisterEntry(0x8018), HAL_MAX_REGS);
    config.PositionHint = 500;
    EXPECT_EQ(config.FindRegisterEntry(0), 0);
    // Adopting a record unbinds but keeps the acquired chip.
    config.Bound = config.Live = true;
    config.RegisterBase = 0x1000;
    config.PositionHint = 3;
    record = TemplateRecord;
    record.Regs[0].Index = riREGEND;
    config.AdoptRecord(record);
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RegisterBase, 0x1000u);
    EXPECT_EQ(config.PositionHint, -1);
    EXPECT_EQ(config.EntryCount, 0);
}

} // namespace
} // namespace k7r::config
