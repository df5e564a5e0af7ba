#include "hal/error_text.h"
#include "hal/program_info.h"
#include "tests/hal/chip_fixture.h"

#include <cstring>
#include <string>
#include <utility>

namespace k7r::hal {
namespace {

using test::ChipTest;
using test::SetEnvironment;

TEST(ErrorText, EveryCodeHasItsFixedTextCopiedLikeStrncpy) {
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
        char buffer[64];
        EXPECT_EQ(hal::GetErrorText(buffer, sizeof buffer), code);
        EXPECT_STREQ(buffer, expected[code]);
    }
    // At most the buffer's length is copied, as strncpy does.
    hal::SetLastError(hal::kErrNoDriver);
    char buffer[12];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(hal::GetErrorText(buffer, 10), 1u);
    EXPECT_EQ(std::string(buffer, sizeof buffer), "ERROR: Unaxx");
    EXPECT_EQ(hal::GetErrorText(nullptr, 10), 1u);
    hal::SetLastError(0);
}

// Natively there is no board driver at all; under Wine the device does not
// exist: either way the driver cannot be opened.
TEST(Acquire, WithoutTheEmulatorFindsNoDriver) {
    SetEnvironment(emu::kEmulatorVariable, nullptr);
    HAL_STRUCT record = ViewerRecord;
    hal::UseRecord(record);
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
TEST_F(ChipTest, ProgramInformationStatusAndDescription) {
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
    // Into a buffer it is cut short and terminated.
    char buffer[11];
    std::memset(buffer, 'x', sizeof buffer);
    hal::ProgramInformation("VIEW", "d", "$Revision: 1 $", buffer, 10);
    EXPECT_STREQ(buffer, "58C22VIEW");
    EXPECT_EQ(buffer[10], 'x');
    EXPECT_EQ(hal::BuildNumber("$Revision: 17 $"), 17u);
    EXPECT_EQ(hal::BuildNumber("no colon 5"), 0u);
    EXPECT_EQ(hal::BuildNumber(hal::kHalRevision), 2u);
}

} // namespace
} // namespace k7r::hal
