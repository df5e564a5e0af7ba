#include "cli/command.h"
#include "config/default_records.h"
#include "config/record.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace k7r::cli {
namespace {

using test::ImageWithRecords;
using test::ReadFileBytes;
using test::RecordAt;
using test::WriteFileBytes;

CliRun Configure(const std::vector<std::string>& arguments) {
    std::vector<std::string_view> words = {"configure"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return RunCli(words);
}

constexpr std::size_t kRecordAt = 700;

class ConfigureCommand : public testing::Test {
  protected:
    std::string Image(const std::string& name, std::uint32_t clkI, std::uint32_t regPhysAddr) {
        HAL_STRUCT record = ViewerRecord;
        record.ClkI = clkI;
        record.RegPhysAddr = regPhysAddr;
        record.Crc = config::ComputeRecordCrc(record);
        WriteFileBytes(dir_ + "/" + name, ImageWithRecords(2000, record, {kRecordAt}));
        return dir_ + "/" + name;
    }

    std::string Target(const std::string& name, std::uint32_t regPhysAddr = 0x00F00000) {
        return Image(name, ViewerRecord.ClkI, regPhysAddr);
    }

    HAL_STRUCT RecordOf(const std::string& path) {
        return RecordAt(ReadFileBytes(path), kRecordAt);
    }

    const std::string dir_ = test::ScratchDirectory();
    const std::string source_ = Image("source.elf", 12345678, 0x20000000);
};

TEST_F(ConfigureCommand, WritesEveryFilePrintsFailuresAndTheSummary) {
    const std::string a = Target("a.exe");
    const std::string none = dir_ + "/none.exe";
    WriteFileBytes(none, ImageWithRecords(2000, ViewerRecord, {}));
    const std::string c = Target("c.lvb");

    const CliRun run = Configure({"--from", source_, a, none, c});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "File \"" + none +
                           "\" could not be saved because:\n\n"
                           "The file does not contain any configuration data.\n");
    std::string summary = "Summary of configured files:\n\n";
    summary.append("OK\t").append(a).append("\nError\t").append(none);
    summary.append("\nOK\t").append(c).append("\n");
    EXPECT_EQ(run.out, summary);
    EXPECT_EQ(RecordOf(a).ClkI, 12345678u);
    EXPECT_EQ(RecordOf(a).RegPhysAddr, 0x20000000u);
    EXPECT_EQ(config::CheckRecord(RecordOf(c)), config::RecordState::Configured);
}

// Ten files or more count on standard error only when it is a terminal.
TEST_F(ConfigureCommand, KeepsAddressesAndSaysNothingElseOnSuccess) {
    std::vector<std::string> arguments = {"--preserve-addresses", "--from", source_};
    for (int i = 0; i < 12; ++i) {
        arguments.push_back(Target(std::to_string(i).append(".exe"), 0x00100000 * (i + 1)));
    }
    const CliRun run = Configure(arguments);
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(RecordOf(arguments.back()).RegPhysAddr, 0x00C00000u);
    EXPECT_EQ(RecordOf(arguments.back()).ClkI, 12345678u);
}

TEST_F(ConfigureCommand, RefusesAnUnreadableSource) {
    const std::string a = Target("a.exe");
    const CliRun missing = Configure({"--from", dir_ + "/missing.exe", a});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_TRUE(missing.err.starts_with("File \"" + dir_ + "/missing.exe\" could not be opened"));
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(RecordOf(a).ClkI, ViewerRecord.ClkI);
}

} // namespace
} // namespace k7r::cli
