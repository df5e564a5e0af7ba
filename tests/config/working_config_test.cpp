#include "config/default_records.h"
#include "config/working_config.h"

#include <gtest/gtest.h>

namespace k7r::config {
namespace {

// REG[64h] stands before the power-on delay (entry 1) and after it (49).
TEST(WorkingConfig, HintIsConsumedOnlyByItsOwnRegister) {
    WorkingConfig config(TemplateRecord);
    config.PositionHint = 1;
    EXPECT_EQ(config.FindRegisterEntry(0x0068), 48);
    EXPECT_EQ(config.FindRegisterEntry(0x0064), 1);
    EXPECT_EQ(config.PositionHint, -1);
    EXPECT_EQ(config.FindRegisterEntry(0x0064), 49);
}

TEST(WorkingConfig, AdoptingUnbindsButKeepsTheAcquiredChip) {
    WorkingConfig config(TemplateRecord);
    config.Bound = config.Live = true;
    config.RegisterBase = 0x1000;
    config.PositionHint = 3;
    HAL_STRUCT record = TemplateRecord;
    record.Regs[0].Index = riREGEND;
    config.AdoptRecord(record);
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RegisterBase, 0x1000u);
    EXPECT_EQ(config.PositionHint, -1);
    EXPECT_EQ(config.EntryCount, 0);
}

TEST(WorkingConfig, TableWithoutEndMarkerStaysWithinItsEntries) {
    HAL_STRUCT record = TemplateRecord;
    for (int i = 0; i < HAL_MAX_REGS; ++i) {
        record.Regs[i] = {static_cast<HAL_U32>(i * 4), 0};
    }
    WorkingConfig config(record);
    EXPECT_EQ(config.EntryCount, HAL_MAX_REGS);
    EXPECT_EQ(config.FindRegisterEntry(0x8018), HAL_MAX_REGS);
    config.PositionHint = 500; // a stray hint must not index past the table
    EXPECT_EQ(config.FindRegisterEntry(0), 0);
}

} // namespace
} // namespace k7r::config
