#include "cli/command.h"
#include "config/default_records.h"
#include "config/record.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace k7r::cli {
namespace {

TEST(Cli, ShowsTheCrcStatusOfAnyRecord) {
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
}

// A description in another code page still makes a JSON document.
TEST(Cli, BytesThatAreNotUtf8AreReplacedInJson) {
    const std::string dir = test::ScratchDirectory();
    HAL_STRUCT record = TemplateRecord;
    std::snprintf(record.Description, sizeof record.Description, "Caf\xE9");
    test::WriteFileBytes(dir + "/latin1.exe", test::ImageWithRecords(2000, record, {0}));
    EXPECT_NE(RunCli({"show", dir + "/latin1.exe", "--json"}).out.find("\"Caf\xEF\xBF\xBD\""),
              std::string::npos);
}

// The tests run the commands in-process: the list lies beside them too.
TEST(Cli, ShippedPanelListLiesBesideThePrograms) {
    EXPECT_TRUE(std::filesystem::exists(K7R_BINARY_DIR "/cli/PANELS.DEF"));
    EXPECT_TRUE(std::filesystem::exists(K7R_BINARY_DIR "/tests/cli/PANELS.DEF"));
}

} // namespace
} // namespace k7r::cli
