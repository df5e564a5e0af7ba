#include "config/working_config.h"
#include "edit/chip_session.h"
#include "hal/init.h"
#include "tests/hal/chip_fixture.h"

#include <cstdio>
#include <string>

namespace k7r::edit {
namespace {

using test::ChipTest;
using test::SetEnvironment;

class ChipSessionTest : public ChipTest {
  protected:
    void SetUp() override {
        ChipTest::SetUp();
        layerRecord = TemplateRecord;
        hal::UseRecord(layerRecord);
    }

    HAL_STRUCT layerRecord{};
    WorkingConfig config{TemplateRecord};
    std::string message;
};

TEST_F(ChipSessionTest, CopiesTheWorkingRecordWithAFreshCrcAndBinds) {
    config.AutoRedraw = true;
    config.Record.ClkI = 40000000;
    EXPECT_TRUE(InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(message, "Initialized K7R58C22 using HAL build 2.\n");
    EXPECT_EQ(board().UsbResets(), 0); // software reset is off unless asked for
    EXPECT_EQ(layerRecord.ClkI, 40000000u);
    EXPECT_EQ(layerRecord.Crc, ComputeRecordCrc(layerRecord));
    EXPECT_NE(layerRecord.Crc, 0);
    EXPECT_TRUE(config.Bound);
    EXPECT_EQ(config.RedrawCountdown, 1u);
    EXPECT_NE(config.RegisterBase, 0u);
    EXPECT_EQ(config.MemoryBase, config.RegisterBase + 0x200000);
    EXPECT_EQ(board().Synthesizer().Programmed(0).frequencyHz, hal::ClockState()[0].achievedHz);

    // Acquired once per process: a second run keeps the mapping.
    const std::uintptr_t registers = config.RegisterBase;
    EXPECT_TRUE(InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(config.RegisterBase, registers);
    EXPECT_EQ(hal::Bases().registers, registers);
    // The second programming starts from the GPIO state the table left.
    EXPECT_EQ(board().Synthesizer().Words().size(), 8u);
    EXPECT_TRUE(board().Synthesizer().Errors().empty());
}

TEST_F(ChipSessionTest, ResetWithoutRegistersLeavesTheChipUnbound) {
    config.Bound = config.Live = true;
    EXPECT_TRUE(
        InitializeFromWorkingConfig(config, {.softwareReset = true, .initializeRegisters = false}));
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RedrawCountdown, 0u);
}

TEST_F(ChipSessionTest, FailureToAcquireIsReported) {
    SetEnvironment(emu::kEmulatorVariable, nullptr);
    config.Bound = config.Live = true;
    EXPECT_FALSE(InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(message, "Cannot Initialize: ERROR: Unable to find/load the K7R58xxx driver.\n");
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RegisterBase, 0u);
}

TEST_F(ChipSessionTest, ShutdownResetsABoundChipOnly) {
    ASSERT_TRUE(InitializeFromWorkingConfig(config, {}));
    const int usbResets = board().UsbResets();
    config.Live = true;
    ShutdownChip(config);
    EXPECT_EQ(board().UsbResets(), usbResets + 1);
    EXPECT_EQ(board().ChipResets(), 1);
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    ShutdownChip(config);
    EXPECT_EQ(board().ChipResets(), 1);
}

} // namespace
} // namespace k7r::edit
