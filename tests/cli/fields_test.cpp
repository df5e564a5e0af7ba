#include "regs/field_names.h"
#include "regs/field_table.h"
#include "tests/cli/cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace k7r::cli {
namespace {

TEST(Fields, ListsEveryRecordInTableOrder) {
    const CliRun run = RunCli({"fields"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), long{kFieldCount});
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
    const std::string horzHelp(kFieldTable[FindField(67)].Help);
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
