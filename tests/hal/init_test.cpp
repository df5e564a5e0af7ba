#include "emu/board.h"
#include "hal/clock_synth.h"
#include "hal/error_text.h"
#include "hal/init_sequence.h"
#include "hal/layer.h"
#include "tests/hal/chip_fixture.h"

#include <vector>

namespace k7r::hal {
namespace {

using test::ChipTest;

// The chip acquired.
class InitTest : public ChipTest {
  protected:
    void SetUp() override {
        ChipTest::SetUp();
        ASSERT_TRUE(hal::AcquireChip().has_value());
    }
    // The words must be what the synthesizer decoded from the GPIO lines,
    // each register left with the frequency the layer computed.
    void ExpectDecoded(const std::vector<int>& registers) {
        const auto& synth = board().Synthesizer();
        EXPECT_TRUE(synth.Errors().empty()) << synth.Errors().front();
        ASSERT_EQ(synth.Words().size(), registers.size());
        for (std::size_t n = 0; n < registers.size(); ++n) {
            const hal::ClockEntry& entry = hal::ClockState()[registers[n]];
            EXPECT_EQ(synth.Words()[n], entry.word);
            EXPECT_EQ(synth.Words()[n] >> 21, std::uint32_t(registers[n])); // register field
            EXPECT_EQ(synth.Programmed(registers[n]).frequencyHz, entry.achievedHz);
        }
    }
};

TEST_F(InitTest, FortyMegahertzGoesToRegistersZeroOneAndTwo) {
    EXPECT_TRUE(hal::ProgramClocks(40000000, 0));
    const hal::ClockEntry& entry = hal::ClockState()[0];
    EXPECT_EQ(entry.requestedHz, 40000000u);
    EXPECT_EQ(entry.m, 1u);
    EXPECT_EQ(entry.i, 8u);
    EXPECT_NEAR(entry.achievedHz, 40000000.0, 40000000.0 * 0.001);
    ExpectDecoded({0, 1, 2});
    EXPECT_EQ(hal::ClockState()[3].word, 0u);
}

// At and beyond the edges of the VCO range and the post divider. The search
// alone (what the utility shows as a clock's actual frequency) gives the word
// that programming would send, and leaves the clock state and the last error
// alone.
TEST_F(InitTest, VcoRangeAndPostDividerAtTheEdges) {
    const std::optional<hal::ClockEntry> found = hal::SearchClockWord(3, 390625);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(hal::ClockState()[3].word, 0u);
    EXPECT_FALSE(hal::SearchClockWord(0, 390624).has_value());
    EXPECT_FALSE(hal::SearchClockWord(0, 120000001).has_value());
    EXPECT_EQ(hal::LastError(), 0u);
    // Out of range, nothing is sent.
    EXPECT_FALSE(hal::ProgramClocks(390624, 0));
    EXPECT_EQ(hal::LastError(), hal::kErrClockTooLow);
    EXPECT_FALSE(hal::ProgramClocks(120000001, 0));
    EXPECT_EQ(hal::LastError(), hal::kErrClockTooHigh);
    EXPECT_FALSE(hal::ProgramClocks(0, 120000001));
    EXPECT_TRUE(board().Synthesizer().Words().empty());

    hal::SetLastError(0);
    EXPECT_TRUE(hal::ProgramClocks(25175000, 0));
    EXPECT_EQ(hal::ClockState()[0].m, 1u);
    EXPECT_EQ(hal::ClockState()[0].i, 0u);
    EXPECT_TRUE(hal::ProgramClocks(0, 390625));
    EXPECT_EQ(hal::ClockState()[3].m, 7u);
    EXPECT_EQ(hal::ClockState()[3].word, found->word);
    EXPECT_EQ(hal::ClockState()[3].achievedHz, found->achievedHz);
    ExpectDecoded({0, 1, 2, 3});
    EXPECT_EQ(hal::LastError(), 0u);
}

TEST_F(InitTest, FlagsThatForbidTheClockChip) {
    record.Flags |= fNO_CLOCK_CHIP;
    EXPECT_FALSE(hal::ProgramClocks(40000000, 0));
    EXPECT_EQ(hal::LastError(), hal::kErrClockNotSettable);
    record.Flags = fHRTFT_INUSE;
    Seal();
    hal::SetLastError(0);
    // Initialization skips the step silently.
    EXPECT_TRUE(hal::InitializeChip(hal::INIT_SKIP_REGS));
    EXPECT_EQ(hal::LastError(), 0u);
    EXPECT_TRUE(board().Synthesizer().Words().empty());
}

TEST_F(InitTest, InitializeBringsTheViewerRecordUpAndDelaysCountFrames) {
    hal::FillMem32(0x3FFFC, 0xFFFFFFFF, 1);
    EXPECT_TRUE(hal::InitializeChip(0));
    EXPECT_EQ(hal::LastError(), 0u);
    EXPECT_EQ(board().UsbResets(), 1);
    EXPECT_EQ(board().Synthesizer().Words().size(), 4u);
    EXPECT_EQ(board().Synthesizer().OutputHz(3), hal::ClockState()[3].achievedHz);
    EXPECT_EQ(board().Peek32(0x10), 0x00000008u);
    EXPECT_EQ(board().Peek32(0x64), 0x28D70001u);
    EXPECT_EQ(hal::ReadMem32(0x3FFFC), 0u);
    ASSERT_EQ(hal::CurrentFrameRate(), 70u);
    EXPECT_TRUE(board().BusErrors().empty());
    EXPECT_TRUE(board().Synthesizer().Errors().empty());
    // A table delay counts frames of the running display: 70 Hz x 50 ms =
    // 3.5 frames, truncated.
    std::uint64_t before = board().FramesCompleted();
    EXPECT_TRUE(hal::DelayFrames(50));
    EXPECT_EQ(board().FramesCompleted() - before, 3u);
    before = board().FramesCompleted();
    EXPECT_TRUE(hal::DelayFrames(0));
    EXPECT_TRUE(hal::DelayFrames(14)); // 0.98 frames
    // Power save mode skips the delay.
    hal::WriteReg32(0x14, 0x10);
    EXPECT_FALSE(hal::DelayFrames(50));
    EXPECT_EQ(board().FramesCompleted(), before);
}

// The record is all that is checked when every step is masked, and a record
// without or with a wrong CRC is refused before the chip is touched.
TEST_F(InitTest, TheRecordIsCheckedBeforeAnyStep) {
    hal::FillMem32(0, 0x55555555, 1);
    EXPECT_TRUE(hal::InitializeChip(0x1F));
    EXPECT_EQ(board().UsbResets(), 0);
    EXPECT_TRUE(board().Synthesizer().Words().empty());
    EXPECT_EQ(board().LutEntry(255), 0u);
    EXPECT_EQ(hal::ReadMem32(0), 0x55555555u);
    record.Crc = 0;
    EXPECT_FALSE(hal::InitializeChip(0));
    EXPECT_EQ(hal::LastError(), hal::kErrNotConfigured);
    record.Crc = ViewerRecord.Crc ^ 1;
    EXPECT_FALSE(hal::InitializeChip(0));
    EXPECT_EQ(hal::LastError(), hal::kErrCrcMismatch);
    EXPECT_EQ(board().UsbResets(), 0);
    EXPECT_EQ(board().Peek32(0x10), 0u);
}

// A clock that cannot be had is reported, yet the chip is initialized; with
// no CLKI2 there is no frame rate and a delay returns at once.
TEST_F(InitTest, ClockFailureStillInitializesAndIsReported) {
    record.ClkI = 120000001;
    record.ClkI2 = 0;
    Seal();
    EXPECT_TRUE(hal::InitializeChip(0));
    EXPECT_EQ(hal::LastError(), hal::kErrClockTooHigh);
    EXPECT_TRUE(board().Synthesizer().Words().empty());
    EXPECT_EQ(board().Peek32(0x10), 0x00000008u);
    EXPECT_EQ(hal::CurrentFrameRate(), 0u);
    const std::uint64_t before = board().FramesCompleted();
    EXPECT_TRUE(hal::DelayFrames(1000));
    EXPECT_EQ(board().FramesCompleted(), before);
}

// A second layer on a board of its own comes up through the same sequence
// and leaves the bound layer's record, mapping, error and clocks alone.
TEST_F(InitTest, ASecondLayerLeavesTheBoundLayerAlone) {
    const ChipBases bound = Bases();
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
    EXPECT_EQ(Bases().registers, bound.registers);
    EXPECT_EQ(LastError(), kErrNone);
    EXPECT_EQ(ClockState()[0].requestedHz, 40000000u);
    EXPECT_EQ(board().Synthesizer().Words().size(), 4u);
    EXPECT_TRUE(board().BusErrors().empty());
    EXPECT_TRUE(ownBoard.BusErrors().empty());
}

// Without a clock the display never leaves its period: the wait must end
// on its bound and report it.
TEST_F(ChipTest, WaitOnAStoppedDisplayEnds) {
    Start({.powerOnClockHz = 0});
    record.Regs[config::FindEntry(record, riDELAYON)].Index = riRESERVED_FIRST; // skipped
    Seal();
    ASSERT_TRUE(hal::AcquireChip().has_value());
    ASSERT_TRUE(hal::InitializeChip(hal::INIT_SKIP_CLOCKS));
    EXPECT_EQ(hal::CurrentFrameRate(), 70u); // from the record's CLKI2
    EXPECT_FALSE(hal::DelayFrames(50));
    EXPECT_EQ(board().FramesCompleted(), 0u);
}

} // namespace
} // namespace k7r::hal
