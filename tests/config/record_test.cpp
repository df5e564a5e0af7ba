#include "config/default_records.h"
#include "config/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace k7r::config {
namespace {

TEST(RecordCrc, IsCcittFalseOverAllButTheDescriptionSizeAndCrcFields) {
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
}

// An entry after the end marker is not part of the table.
TEST(FindEntry, FindsTheLastEntryBeforeTheFirstEndMarker) {
    HAL_STRUCT record = TemplateRecord;
    EXPECT_EQ(CountEntries(record), 50);
    EXPECT_EQ(FindEntry(record, 0x0064), 49);
    EXPECT_EQ(FindEntry(record, 0x8000), 0);
    record.Regs[52] = {0x8018, 1};
    EXPECT_EQ(FindEntry(record, 0x8018), 50);
    for (RegEntry& entry : record.Regs) {
        entry = {0x0080, 0};
    }
    EXPECT_EQ(CountEntries(record), HAL_MAX_REGS);
}

} // namespace
} // namespace k7r::config
