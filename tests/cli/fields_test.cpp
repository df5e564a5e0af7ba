#include "regs/field_names.h"
#include "regs/field_table.h"
#include "tests/cli/cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

TEST(Fields, ListsEveryRecordInTableOrder) {
    const CliRun run = RunCli({"fields"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), long{regs::kFieldCount});
    for (const char* line : {
             "  1  Cfg Desc                                     ffRECORD|ffTEXT",
             " 24  Panel Type                                   ffCOMPUTED|ffLIST",
             " 25  Product Code               REG[00h-b31:26]   ffREGISTER|ffREADONLY",
             " 25  Product Code               REG[00h-b7:2]     ffREGISTER|ffREADONLY",
             " 43  HR-TFT Res                 REG[0Ch-b3]       ffREGISTER|ffRESERVED",
             "117  Scratch Pad A              REG[80h]          ffREGISTER",
             "180  Destination Start Address  REG[8010h-b20:0]  ffREGISTER",
         }) {
        EXPECT_TRUE(HasLine(run.out, line)) << line;
    }
    // The second copy of the product code comes after the other REG[00h] fields.
    EXPECT_LT(run.out.find(" 28  Disp Buff Size"), run.out.find("REG[00h-b7:2]"));
}

TEST(Fields, ListsTheIdsGivenWithTheirHelpParagraphs) {
    const CliRun run = RunCli({"fields", "67", "25", "--help-text"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::string horzHelp(regs::kFieldTable[regs::FindField(67)].Help);
    EXPECT_EQ(run.out,
              " 67  Horz Total                 REG[20h-b6:0]     ffREGISTER\n"
              "     range: 8 to 1024 pixels\n"
              "     set takes: A whole number from 8 to 1024.\n"
              "     " +
                  horzHelp +
                  "\n"
                  "     __________________________________________________\n"
                  "     Horizontal Total (pixels) = ( REG[20h-b6:0] + 1 ) * 8\n"
                  "\n"
                  " 25  Product Code               REG[00h-b31:26]   ffREGISTER|ffREADONLY\n"
                  "     range: 0 to 63\n"
                  "     Product Code [READONLY] = REG[00h-b31:26]\n"
                  "\n"
                  " 25  Product Code               REG[00h-b7:2]     ffREGISTER|ffREADONLY\n"
                  "     range: 0 to 63\n"
                  "     Product Code [READONLY] = REG[00h-b7:2]\n"
                  "\n");
}

// What a setting takes: the engine's range with the units, the list's texts
// and, in the words of a refusal, what `set` accepts.
TEST(Fields, SettingsNamedByIdShowTheValuesTheyTake) {
    const struct {
        const char* id;
        std::vector<std::string> lines;
    } kCases[] = {
        {"2",
         {"     units: MHz", "     set takes: A frequency in MHz from 0.391 to 120.000, such as "
                             "25.175."}},
        {"54", {"     range: 0 to 31 BPP", "     set takes: Allowed values: 1, 2, 4, 8, 16."}},
        {"24",
         {"     list: STN (0), TFT (1), HR-TFT (2), HR-TFT (3), TFT Type 2 (4), TFT Type 3 (5), "
          "TFT Type 4 (6), Casio TFT (7)"}},
        {"4", {"     set takes: A hexadecimal address, such as 1F000000."}},
    };
    for (const auto& c : kCases) {
        const CliRun run = RunCli({"fields", c.id});
        EXPECT_EQ(run.status, kExitSuccess) << run.err;
        for (const std::string& line : c.lines) {
            EXPECT_TRUE(HasLine(run.out, line)) << c.id << "\n" << run.out;
        }
    }
    // A list of the numbers themselves is left out.
    EXPECT_EQ(RunCli({"fields", "116"}).out.find("list:"), std::string::npos);
}

TEST(Fields, RefusesWhatIsNotTheIdOfASetting) {
    const CliRun missing = RunCli({"fields", "67", "37"});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("no setting has the id 37"), std::string::npos) << missing.err;
    EXPECT_EQ(RunCli({"fields", "0"}).status, kExitFailure);
    for (const char* word : {"x", "-5", "4294967296"}) {
        const CliRun bad = RunCli({"fields", word});
        EXPECT_EQ(bad.status, kExitUsage) << word;
        EXPECT_EQ(bad.out, "") << word;
    }
}

} // namespace
} // namespace k7r::cli
