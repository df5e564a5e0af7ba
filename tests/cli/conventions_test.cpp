// What every command shares: options in any position, "--", help and usage
// errors, the version, and "did you mean" for mistyped names.
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

TEST(Conventions, DoubleDashEndsTheOptions) {
    const CliRun run = RunCli({"show", "--", "--json"});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "File \"--json\" could not be opened because:\n\n"
                       "The file type is not supported.\n");
    // A lone "-" is an operand: export's standard output.
    const CliRun dash = RunCli({"export", "chip", test::TestImagePath("carrier.elf"), "-o", "-"});
    EXPECT_EQ(dash.status, kExitSuccess) << dash.err;
    EXPECT_TRUE(dash.out.starts_with("//====")) << dash.out.substr(0, 80);
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

// One line saying what was wrong, then the command's usage; status 2.
TEST(Conventions, UsageErrorsSayWhatWasWrongAndShowTheUsage) {
    const std::string image = test::TestImagePath("carrier.elf");
    const struct {
        std::vector<std::string_view> words;
        std::string said;
    } kCases[] = {
        {{"set", image, "6=1", "--frce"}, "set: unknown option \"--frce\"; did you mean --force?"},
        {{"regs", image, "-b"}, "regs: unknown option \"-b\""},
        {{"set", image, "6=1", "-o"}, "set: option --output needs a value (OUT)"},
        {{"set", image, "6=1", "-o", "a", "--output", "b"}, "set: option --output is given twice"},
        {{"copy", image, "x.elf", "--preserve-addresses=yes"},
         "copy: option --preserve-addresses takes no value"},
        {{"show"}, "show: too few operands: it takes FILE"},
        {{"show", image, image}, "show: too many operands: it takes FILE"},
        {{"configure", image}, "configure: option --from SOURCE is missing"},
        {{"set", image, "67"}, "set: each change is written SETTING=VALUE"},
        {{"fields", "x"}, "fields: \"x\" is not a setting id"},
        {{"export", "pdf", image},
         "export: unknown kind \"pdf\" (appcfg, chip, mode, generic, csv "
         "or html)"},
        {{"export", "chip", image, "--mode", "3"},
         "export: --mode applies to the mode kind only, not chip"},
        {{"help", "set", "get"}, "help: it takes one command name"},
    };
    for (const auto& c : kCases) {
        const CliRun run = RunCli(c.words);
        EXPECT_EQ(run.status, kExitUsage) << c.said;
        EXPECT_EQ(run.out, "") << c.said;
        const std::string firstLine = run.err.substr(0, run.err.find('\n') + 1);
        EXPECT_EQ(firstLine, Program() + " " + c.said + "\n");
        if (c.words[0] != "help") {
            const std::string usage = "usage: " + Program() + " " + std::string(c.words[0]) + " ";
            EXPECT_TRUE(run.err.substr(firstLine.size()).starts_with(usage)) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
        }
    }
}

TEST(Conventions, VersionNamesTheBuildAndTheLibraries) {
    const CliRun run = RunCli({"--version"});
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_TRUE(run.out.starts_with(Program() + " 1.0 (K7R58C22 software kit, build 17)\n"))
        << run.out;
    EXPECT_NE(run.out.find("\nnlohmann-json 3."), std::string::npos) << run.out;
}

// At most three names, closest first; nothing offered for a word that is
// near nothing.
TEST(Conventions, MistypedNamesGetSuggestions) {
    const std::string image = test::TestImagePath("carrier.elf");
    const struct {
        std::vector<std::string_view> words;
        std::string said;
    } kCases[] = {
        {{"shwo", image}, Program() + ": unknown command \"shwo\"; did you mean \"show\"?\n"},
        {{"help", "panle"},
         Program() + ": unknown command \"panle\"; did you mean \"panel\" or \"panels\"?\n"},
        {{"frobnicate"}, Program() + ": unknown command \"frobnicate\"\n"},
        {{"get", image, "Bits-Per-Pixle"},
         "no setting is named \"Bits-Per-Pixle\"; did you mean \"Bits-Per-Pixel\" (54)?\n"},
        // Long names lead to the short name that names the setting.
        {{"get", image, "horizontal total"},
         "no setting is named \"horizontal total\"; did you mean \"Horz Total\" (67)?\n"},
        {{"set", image, "Area 1 Y Ed=8"},
         "no setting is named \"Area 1 Y Ed\"; did you mean \"Area 1 Y End\" (155), \"Area 0 Y "
         "End\" (151) or \"Area 1 X End\" (156)?\n"},
        {{"get", image, "Warp"}, "no setting is named \"Warp\"\n"},
    };
    for (const auto& c : kCases) {
        const CliRun run = RunCli(c.words);
        EXPECT_NE(run.status, kExitSuccess);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.said);
    }
}

} // namespace
} // namespace k7r::cli
