#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::cli {
namespace {

const test::Bytes kNoRecord = {'n', 'o', ' ', 'r', 'e', 'c', 'o', 'r', 'd'};

TEST(DiffCommand, SameConfigurationsPrintNothing) {
    const std::string elf = test::TestImagePath("carrier.elf");
    const CliRun same = RunCli({"diff", elf, elf});
    EXPECT_EQ(same.status, kExitSuccess);
    EXPECT_EQ(same.out + same.err, "");
    // A plain image and S-records holding the same record.
    const CliRun kinds = RunCli({"diff", elf, test::TestImagePath("carrier.s19")});
    EXPECT_EQ(kinds.status, kExitSuccess) << kinds.out << kinds.err;
    EXPECT_EQ(kinds.out, "");
}

// FPSHIFT Invert is bit 24 of register 0Ch and nothing follows from it.
TEST(DiffCommand, ShowsTheChangedSettingAndItsRegisterLines) {
    const std::string a = test::TestImagePath("carrier.elf");
    const std::string b = test::ScratchDirectory() + "/b.elf";
    ASSERT_EQ(RunCli({"set", a, "FPSHIFT Invert=1", "-o", b}).status, kExitSuccess);
    const CliRun run = RunCli({"diff", a, b});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "--- " + a + "\n+++ " + b +
                  "\n"
                  "-35 FPSHIFT Invert = Disabled\n"
                  "+35 FPSHIFT Invert = Enabled\n"
                  " REG    Hex           Decimal  Register Name                     Binary\n"
                  "-000Ch  000000D0h         208  Panel Type and MOD Rate Register  "
                  "00000000000000000000000011010000b\n"
                  "+000Ch  010000D0h    16777424  Panel Type and MOD Rate Register  "
                  "00000001000000000000000011010000b\n");

    // The same differences as JSON.
    const CliRun json = RunCli({"diff", a, b, "--json"});
    EXPECT_EQ(json.status, 1);
    const nlohmann::json document = nlohmann::json::parse(json.out);
    EXPECT_EQ(document["same"], false);
    EXPECT_EQ(document["settings"], nlohmann::json::parse(R"([{"id": 35,
        "name": "FPSHIFT Invert", "a": {"value": 0, "text": "Disabled"},
        "b": {"value": 1, "text": "Enabled"}}])"));
    const std::string name = "Panel Type and MOD Rate Register";
    EXPECT_EQ(
        document["registers"],
        nlohmann::json::array({{{"position", 6},
                                {"a", {{"index", 12}, {"name", name}, {"value", 0xD0}}},
                                {"b", {{"index", 12}, {"name", name}, {"value", 0x10000D0}}}}}));
}

TEST(DiffCommand, AFileWithoutARecordDiffers) {
    const std::string dir = test::ScratchDirectory();
    const std::string image = test::TestImagePath("carrier.elf");
    test::WriteFileBytes(dir + "/none.elf", kNoRecord);
    test::WriteFileBytes(dir + "/empty.elf", {});
    const CliRun one = RunCli({"diff", image, dir + "/none.elf"});
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(one.out, "--- " + image + "\n+++ " + dir + "/none.elf\n" + dir +
                           "/none.elf: The file does not contain any configuration data.\n");
    const CliRun both = RunCli({"diff", dir + "/none.elf", dir + "/empty.elf", "--json"});
    EXPECT_EQ(both.status, kExitSuccess);
    const nlohmann::json document = nlohmann::json::parse(both.out);
    EXPECT_EQ(document["same"], true);
    EXPECT_EQ(document["noRecord"][1]["reason"], "The specified file has a length of zero.");
}

TEST(DiffCommand, AFileThatCannotBeReadIsTrouble) {
    const std::string dir = test::ScratchDirectory();
    const std::string image = test::TestImagePath("carrier.elf");
    std::filesystem::create_directory(dir + "/folder.elf");
    for (const std::string& other : {dir + "/missing.elf", dir + "/folder.elf", image + ".txt"}) {
        const CliRun run = RunCli({"diff", image, other});
        EXPECT_EQ(run.status, kExitTrouble) << other;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.find(" diff: " + other + ": ") != std::string::npos) << run.err;
        EXPECT_TRUE(run.err.find("usage:") == std::string::npos) << run.err;
    }
    EXPECT_EQ(RunCli({"diff", image}).status, kExitUsage);
}

TEST(DiffCommand, TextconvPrintsTheConfigurationAloneAndNeverFailsWithoutARecord) {
    const CliRun elf = RunCli({"show", "--textconv", test::TestImagePath("carrier.elf")});
    ASSERT_EQ(elf.status, kExitSuccess) << elf.err;
    EXPECT_EQ(elf.out, RunCli({"show", "--textconv", test::TestImagePath("carrier.s19")}).out);
    EXPECT_TRUE(elf.out.starts_with("1 Cfg Desc = \n2 CLKI Timing = 40000000\n")) << elf.out;
    EXPECT_TRUE(HasLine(elf.out, "67 Horz Total = 352")) << elf.out;
    EXPECT_TRUE(HasLine(elf.out, "000Ch  000000D0h         208  Panel Type and MOD Rate Register  "
                                 "                     00000000000000000000000011010000b"))
        << elf.out;

    const std::string none = test::ScratchDirectory() + "/none.elf";
    test::WriteFileBytes(none, kNoRecord);
    const CliRun without = RunCli({"show", none, "--textconv"});
    EXPECT_EQ(without.status, kExitSuccess);
    EXPECT_EQ(without.out, "No configuration record: The file does not contain any "
                           "configuration data.\n");
}

} // namespace
} // namespace k7r::cli
