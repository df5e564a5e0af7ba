// A second layer on a board of its own comes up through the same sequence
// and leaves the bound layer's record, mapping, error and clocks alone.
#include "emu/board.h"
#include "emu/emulated_driver.h"
#include "hal/clock_synth.h"
#include "hal/error_text.h"
#include "hal/init_sequence.h"
#include "hal/layer.h"
#include "tests/hal/chip_fixture.h"

namespace k7r::hal {
namespace {

using test::ChipTest;

TEST_F(ChipTest, ASecondLayerLeavesTheBoundLayerAlone) {
    Seal();
    const std::optional<ChipBases> bound = AcquireChip();
    ASSERT_TRUE(bound.has_value());
    ASSERT_TRUE(InitializeChip(0));

    emu::EmulatedBoard ownBoard;
    {
        Layer own([&ownBoard] { return emu::OpenDriverOn(ownBoard); });
        LayerInUse scope(own);
        EXPECT_FALSE(InitializeChip(0)); // its own record, not configured
        EXPECT_EQ(LastError(), kErrNotConfigured);
        Record() = record;
        Record().ClkI = 25175000;
        Record().Crc = config::ComputeRecordCrc(Record());
        ASSERT_TRUE(AcquireChip().has_value());
        ASSERT_TRUE(InitializeChip(0));
        EXPECT_EQ(ClockState()[0].requestedHz, 25175000u);
        EXPECT_EQ(ownBoard.Synthesizer().OutputHz(0), ClockState()[0].achievedHz);
        EXPECT_TRUE(ownBoard.IsMapped());
    }
    EXPECT_FALSE(ownBoard.IsMapped()); // released with its layer

    EXPECT_EQ(&Record(), &record);
    EXPECT_EQ(Bases().registers, bound->registers);
    EXPECT_EQ(LastError(), kErrNone);
    EXPECT_EQ(ClockState()[0].requestedHz, 40000000u);
    EXPECT_EQ(board().Synthesizer().Words().size(), 4u);
    EXPECT_TRUE(board().BusErrors().empty());
    EXPECT_TRUE(ownBoard.BusErrors().empty());
}

} // namespace
} // namespace k7r::hal
