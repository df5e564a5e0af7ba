#include "cli/command.h"
#include "config/default_records.h"
#include "config/record.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

namespace k7r::cli {
namespace {

TEST(Cli, ShowsTheRecordOfABuiltImageFieldByField) {
    const std::string image = test::TestImagePath("carrier.elf");
    const CliRun run = RunCli({"show", image});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    for (const char* line : {
             "Description:       \"\"",
             "Chip id:           58C22",
             "Byte order:        little-endian (host)",
             "CLKI:              40.000 MHz",
             "CLKI2:             6.250 MHz",
             "Power off time:    1200 ms",
             "GPO power mask:    0000h",
             "Flags:             00000018h fFIXED_DIVMCLK|fFIXED_DIVPCLK",
             "Mode:              320x240x8bpp 70Hz Color 8-Bit STN, Format 2 (PCLK=6.250MHz)",
             "Diagnostics:       none",
             "Registers:         49 entries",
             "   1  8000       REG8000_BLT_CONTROL               = 00000000",
             "   2  0014       REG0014_POWER_SAVE_CONFIG         = 00000000",
             "  47  riDELAYON  REG_POWER_ON_DELAY                = 00000032",
             "  50  riREGEND   REG_END_OF_TABLE",
         }) {
        EXPECT_TRUE(HasLine(run.out, line)) << line << "\n" << run.out;
    }
    char crcLine[64];
    std::snprintf(crcLine, sizeof crcLine, "CRC:               %04Xh (OK)", ViewerRecord.Crc);
    EXPECT_TRUE(HasLine(run.out, crcLine)) << run.out;
}

TEST(Cli, ShowsTheCrcStatusAndByteOrderOfAnyRecord) {
    const std::string dir = test::ScratchDirectory();
    HAL_STRUCT corrupted = ViewerRecord;
    corrupted.ClkI = 1;
    test::WriteFileBytes(dir + "/new.exe", test::ImageWithRecords(2000, TemplateRecord, {0}));
    test::WriteFileBytes(dir + "/bad.exe", test::ImageWithRecords(2000, corrupted, {0}));

    EXPECT_TRUE(
        HasLine(RunCli({"show", dir + "/new.exe"}).out, "CRC:               0000h (unconfigured)"));
    const CliRun bad = RunCli({"show", dir + "/bad.exe"});
    char crcLine[80];
    std::snprintf(crcLine, sizeof crcLine,
                  "CRC:               %04Xh (corrupted, the content's CRC is %04Xh)", corrupted.Crc,
                  config::ComputeRecordCrc(corrupted));
    EXPECT_TRUE(HasLine(bad.out, crcLine)) << bad.out;

    const CliRun big = RunCli({"show", test::TestImagePath("m68k_board.elf")});
    EXPECT_TRUE(HasLine(big.out, "Byte order:        big-endian (swapped)")) << big.out;
    EXPECT_TRUE(HasLine(big.out, "CRC:               3601h (OK)")) << big.out;
    EXPECT_TRUE(HasLine(big.out, "Register address:  00F00000h")) << big.out;
}

TEST(Cli, CopiesARecordIntoAnotherImage) {
    const std::string dir = test::ScratchDirectory();
    HAL_STRUCT target = TemplateRecord;
    target.RegPhysAddr = 0xA0000000;
    const std::string targetPath = dir + "/target.elf";
    test::WriteFileBytes(targetPath, test::ImageWithRecords(3000, target, {1000}));

    const CliRun kept =
        RunCli({"copy", test::TestImagePath("carrier.exe"), targetPath, "--preserve-addresses"});
    ASSERT_EQ(kept.status, kExitSuccess) << kept.err;
    HAL_STRUCT written = test::RecordAt(test::ReadFileBytes(targetPath), 1000);
    EXPECT_EQ(written.RegPhysAddr, 0xA0000000u);
    EXPECT_EQ(written.ClkI, ViewerRecord.ClkI);
    EXPECT_EQ(config::CheckRecord(written), config::RecordState::Configured);

    ASSERT_EQ(RunCli({"copy", test::TestImagePath("carrier.exe"), targetPath}).status,
              kExitSuccess);
    written = test::RecordAt(test::ReadFileBytes(targetPath), 1000);
    EXPECT_EQ(std::memcmp(&written, &ViewerRecord, sizeof written), 0);

    const CliRun unconfigured = RunCli({"copy", targetPath + ".none.exe", targetPath});
    EXPECT_EQ(unconfigured.status, kExitFailure);
}

} // namespace
} // namespace k7r::cli
