// What every command shares: options in any position, help and the version
// (usage errors and mistyped names are in the transcripts).
#include "cli/command.h"
#include "cli/command_table.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

std::string Program() {
    return std::string(kProgramName);
}

// Each command's words in several orders (options before, between and after
// the operands, joined or apart): every order does the same.
TEST(Conventions, OptionsStandAnywhereAmongTheOperands) {
    const std::string dir = test::ScratchDirectory();
    const std::string image = ViewerImageCopy(dir);
    const std::string out = dir + "/out.elf";
    const std::string target = dir + "/target.elf";
    std::filesystem::copy_file(image, target);
    using Words = std::vector<std::string>;
    const std::vector<std::vector<Words>> kCases = {
        {{"get", "--json", image, "2"},
         {"get", image, "--json", "2"},
         {"get", image, "2", "--json"}},
        {{"set", "-o", out, image, "67=400"},
         {"set", image, "-o", out, "67=400"},
         {"set", image, "67=400", "--output", out},
         {"set", image, "67=400", "--output=" + out},
         {"set", image, "67=400", "-o" + out}},
        {{"fields", "--help-text", "67", "54"}, {"fields", "67", "--help-text", "54"}},
        {{"panel", "--def", kShippedPanels, image, "qvga tft 320", "-o", out},
         {"panel", image, "--def", kShippedPanels, "qvga tft 320", "-o", out},
         {"panel", image, "qvga tft 320", "-o", out, "--def=" + kShippedPanels}},
        {{"copy", "--preserve-addresses", image, target},
         {"copy", image, "--preserve-addresses", target},
         {"copy", image, target, "--preserve-addresses"}},
        {{"export", "--mode", "3", "mode", image, "-o", "-"},
         {"export", "mode", "--mode", "3", image, "-o", "-"},
         {"export", "mode", image, "-o", "-", "--mode=3"}},
    };
    const auto run = [](const Words& words) {
        return RunCli(std::vector<std::string_view>(words.begin(), words.end()));
    };
    for (const std::vector<Words>& orders : kCases) {
        const CliRun first = run(orders.front());
        EXPECT_EQ(first.status, kExitSuccess) << orders.front()[0] << "\n" << first.err;
        EXPECT_FALSE(first.out.empty()) << orders.front()[0];
        for (const Words& words : orders) {
            const CliRun other = run(words);
            EXPECT_EQ(other.status, first.status) << words[0] << " " << words[1];
            EXPECT_EQ(other.out, first.out) << words[0] << " " << words[1];
        }
    }
}

TEST(Conventions, EveryCommandExplainsItselfWithStatusZero) {
    for (const Command* command : Commands()) {
        const std::string name(command->name);
        const CliRun help = RunCli({name, "--help"});
        EXPECT_EQ(help.status, kExitSuccess) << name << help.err;
        EXPECT_EQ(help.err, "");
        EXPECT_TRUE(help.out.starts_with("usage: " + Program() + " " + name)) << help.out;
        EXPECT_NE(help.out.find("\noptions:\n"), std::string::npos) << name;
        EXPECT_NE(help.out.find("  -h, --help "), std::string::npos) << name;
        EXPECT_NE(help.out.find("\nexample:\n  " + Program() + " " + name + " "), std::string::npos)
            << name;
        for (const Option& option : command->options) {
            EXPECT_NE(help.out.find(std::string(option.name)), std::string::npos) << name;
        }
        // The same from "help COMMAND", and whatever else the words hold.
        EXPECT_EQ(RunCli({"help", name}).out, help.out);
        EXPECT_EQ(RunCli({name, "no-such-file", "-h", "--no-such-option"}).out, help.out);
    }
    const CliRun list = RunCli({"help"});
    EXPECT_EQ(list.status, kExitSuccess);
    for (const Command* command : Commands()) {
        EXPECT_NE(list.out.find("\n  " + std::string(command->name) + " "), std::string::npos);
    }
}

TEST(Conventions, VersionNamesTheBuildAndTheLibraries) {
    const CliRun run = RunCli({"--version"});
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_TRUE(run.out.starts_with(Program() + " 1.0 (K7R58C22 software kit, build 17)\n"))
        << run.out;
    EXPECT_NE(run.out.find("\nnlohmann-json 3."), std::string::npos) << run.out;
}

} // namespace
} // namespace k7r::cli
