#include "emu/board.h"
#include "hal/clock_synth.h"
#include "hal/error_text.h"
#include "hal/init_sequence.h"
#include "hal/layer.h"
#include "hal/program_info.h"
#include "tests/hal/chip_fixture.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace k7r::hal {
namespace {

using test::ChipTest;
using test::SetEnvironment;

// Natively there is no board driver at all; under Wine the device does not
// exist: either way the driver cannot be opened.
TEST_F(ChipTest, WithoutTheEmulatorFindsNoDriver) {
    SetEnvironment(emu::kEmulatorVariable, nullptr);
    EXPECT_FALSE(hal::AcquireChip().has_value());
    EXPECT_EQ(hal::LastError(), hal::kErrNoDriver);
    EXPECT_EQ(hal::ReleaseChip(), 0u);
    // Nothing is mapped: accesses reach no chip and do no harm.
    hal::WriteReg32(0x10, 8);
    hal::FillMem32(0, 1, 4);
    EXPECT_EQ(hal::ReadReg32(0x10), 0u);
    EXPECT_EQ(hal::ReadMem32(0), 0u);
}

TEST_F(ChipTest, BothAddressesZeroLocateBoardZeroAndAcquiringAgainRemaps) {
    const auto bases = hal::AcquireChip();
    ASSERT_TRUE(bases.has_value());
    EXPECT_EQ(hal::LastError(), 0u);
    EXPECT_EQ(board().LastLocatedBoard(), 0u);
    EXPECT_EQ(bases->memory, bases->registers + 0x200000);
    // REG[00h]: display buffer size 64 x 4 KB.
    EXPECT_EQ((hal::ReadReg32(0x00) >> 8) & 0xFF, 0x40u);
    hal::FillMem32(16, 0xA5A5A5A5, 2);
    EXPECT_EQ(board().DisplayMemory()[16], 0xA5);
    EXPECT_EQ(board().DisplayMemory()[23], 0xA5);
    EXPECT_EQ(board().DisplayMemory()[24], 0x00);
    // The board keeps a single mapping: acquiring again only succeeds when
    // the first was undone, and display memory survives it.
    hal::FillMem32(0x100, 0xCAFEF00D, 1);
    ASSERT_TRUE(hal::AcquireChip().has_value());
    EXPECT_EQ(hal::ReadMem32(0x100), 0xCAFEF00Du);
    EXPECT_EQ(hal::ReleaseChip(), 0u);
    EXPECT_FALSE(board().IsMapped());
    EXPECT_EQ(hal::ReleaseChip(), 0u);
}

TEST_F(ChipTest, VrxboardNamesTheBoardAndTheOneWindowStartsAtTheLowerBlock) {
    Start({.boardNumber = 2});
    SetEnvironment("VRXBOARD", "2");
    ASSERT_TRUE(hal::AcquireChip().has_value());
    EXPECT_EQ(board().LastLocatedBoard(), 2u);

    SetEnvironment("VRXBOARD", "x2");
    EXPECT_FALSE(hal::AcquireChip().has_value());
    EXPECT_EQ(board().LastLocatedBoard(), 0u);
    EXPECT_EQ(hal::LastError(), hal::kErrNoController);
    // Registers below or above the memory: one window, at the lower block.
    for (const auto& [registers, memory] :
         {std::pair{0x10000000u, 0x10200000u}, std::pair{0x10300000u, 0x10000000u}}) {
        Start({.registerPhysical = registers, .memoryPhysical = memory});
        record.RegPhysAddr = registers;
        record.MemPhysAddr = memory;
        const auto bases = hal::AcquireChip();
        ASSERT_TRUE(bases.has_value());
        EXPECT_EQ(board().MappedPhysical(), 0x10000000u);
        EXPECT_EQ(bases->registers - registers, bases->memory - memory);
        EXPECT_EQ(hal::ReadReg32(0x00), board().Peek32(0x00));
        hal::WriteReg32(0x80, 0x12345678);
        EXPECT_EQ(board().Peek32(0x80), 0x12345678u);
        hal::FillMem32(0, 0x01020304, 1);
        EXPECT_EQ(board().DisplayMemory()[0], 0x04);
        EXPECT_TRUE(board().BusErrors().empty());
    }
}

std::string Info() {
    return hal::ProgramInformation("VIEW", "A program to view JPEG, BMP, GIF files",
                                   "$Revision: 1 $");
}

std::string LastLine(const std::string& text) {
    const std::string body = text.substr(0, text.size() - 1);
    return body.substr(body.rfind('\n') + 1);
}

// The build number is what follows the first colon of the revision.
TEST_F(ChipTest, ProgramInformationAndErrorTextsAreCopiedLikeStrncpy) {
    const std::string text = Info();
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "58C22VIEW - A program to view JPEG, BMP, GIF files - Build 1 [HAL: 2]");
    EXPECT_EQ(LastLine(text), "Configuration CRC E87Fh (OK)");
    EXPECT_EQ(text.back(), '\n');
    std::strcpy(record.Description, "Bench board");
    EXPECT_EQ(LastLine(Info()), "Bench board");
    EXPECT_NE(Info().find("Configuration CRC E87Fh (OK), Description:\nBench board\n"),
              std::string::npos);
    record.Description[0] = '\0';
    record.Crc = 0x1234;
    EXPECT_EQ(LastLine(Info()), "Configuration CRC 1234h (error)");
    record.Crc = 0;
    EXPECT_EQ(LastLine(Info()), "Configuration CRC 0000h (unconfigured)");
    // Into a buffer it is cut short and terminated; as strncpy does, the error
    // text fills at most the buffer's length.
    char buffer[12];
    std::memset(buffer, 'x', sizeof buffer);
    hal::ProgramInformation("VIEW", "d", "$Revision: 1 $", buffer, 10);
    EXPECT_STREQ(buffer, "58C22VIEW");
    EXPECT_EQ(buffer[10], 'x');
    hal::SetLastError(hal::kErrNoDriver);
    EXPECT_EQ(hal::GetErrorText(buffer, 10), 1u);
    EXPECT_EQ(std::string(buffer, sizeof buffer), "ERROR: Unaxx");
    EXPECT_EQ(hal::GetErrorText(nullptr, 10), 1u);
    EXPECT_EQ(hal::BuildNumber("$Revision: 17 $"), 17u);
    EXPECT_EQ(hal::BuildNumber("no colon 5"), 0u);
    EXPECT_EQ(hal::BuildNumber(hal::kHalRevision), 2u);
    // Every error code has its fixed text.
    const char* const expected[] = {
        "There was no error detected",
        "ERROR: Unable to find/load the K7R58xxx driver",
        "ERROR: Unable to locate an K7R58xxx controller",
        "ERROR: This program has not been configured",
        "ERROR: Config CRC does not match configureation",
        "ERROR: The programmable clock cannot be set",
        "ERROR: The requested clock frequency is too high",
        "ERROR: The requested clock frequency is too low",
        "ERROR: An unspecified error occured",
    };
    for (std::uint32_t code = 0; code < std::size(expected); ++code) {
        hal::SetLastError(code);
        EXPECT_EQ(hal::ErrorText(), expected[code]);
        char copy[64];
        EXPECT_EQ(hal::GetErrorText(copy, sizeof copy), code);
        EXPECT_STREQ(copy, expected[code]);
    }
    hal::SetLastError(0);
}

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
TEST_F(InitTest, TheRecordAndItsFlagsAreCheckedBeforeAnyStep) {
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
    // Flags that forbid the clock chip.
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
