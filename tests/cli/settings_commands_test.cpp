#include "config/default_records.h"
#include "config/record.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace k7r::cli {
namespace {

TEST(SettingsCommands, GetPrintsFormattedValuesByIdOrName) {
    const CliRun run = RunCli({"get", test::TestImagePath("carrier.elf"), "67", "horz total",
                               "pclk src", "24", "33", "4", "2"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "67 Horz Total = 352\n"
                       "67 Horz Total = 352\n"
                       "34 PCLK Src = CLKI2\n"
                       "24 Panel Type = STN\n"
                       "33 PCLK Div = 1:1\n"
                       "4 Phys Reg Addr = 00000000\n"
                       "2 CLKI Timing = 40000000\n");
    const CliRun shared = RunCli({"get", test::TestImagePath("carrier.elf"), "MCLK Div"});
    EXPECT_EQ(shared.status, kExitFailure);
    EXPECT_EQ(shared.err, "\"MCLK Div\" names several settings; use an id: 29 30\n");
}

TEST(SettingsCommands, SetAppliesValuesInOrderAndSavesACopy) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const std::string copy = image + ".out.elf";
    const test::Bytes original = test::ReadFileBytes(image);
    const CliRun run = RunCli({"set", image, "3=25.175MHz", "PCLK Src=clki2", "Cfg Desc=Lab board",
                               "54=16", "52=90", "24=TFT Type 2", "71=44", "-o", copy});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_TRUE(run.out.starts_with("3 CLKI2 Timing = 25175000\n34 PCLK Src = CLKI2\n")) << run.out;
    EXPECT_TRUE(
        run.out.ends_with("\nConfiguration of \"" + image + "\" written into \"" + copy + "\".\n"))
        << run.out;
    EXPECT_EQ(test::ReadFileBytes(image), original);
    // What follows from the settings is the editing core's.
    EXPECT_EQ(RunCli({"get", copy, "3", "34", "1", "24", "71"}).out, "3 CLKI2 Timing = 25175000\n"
                                                                     "34 PCLK Src = CLKI2\n"
                                                                     "1 Cfg Desc = Lab board\n"
                                                                     "24 Panel Type = TFT Type 2\n"
                                                                     "71 FPLINE Width = 44\n");
}

TEST(SettingsCommands, SetKeepsTheFileAddressesWhenAsked) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    ASSERT_EQ(RunCli({"set", image, "4=0x1F000000", "--preserve-addresses"}).status, kExitSuccess);
    EXPECT_EQ(RunCli({"get", image, "4"}).out, "4 Phys Reg Addr = 00000000\n");
    ASSERT_EQ(RunCli({"set", image, "4=0x1F000000"}).status, kExitSuccess);
    EXPECT_EQ(RunCli({"get", image, "4"}).out, "4 Phys Reg Addr = 1F000000\n");
}

TEST(SettingsCommands, RegsListsTheTableAsTheRegistersTab) {
    const CliRun run = RunCli({"regs", test::TestImagePath("carrier.elf"), "--breakdown"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::string lines[] = {
        "REG    Hex           Decimal  Register Name",
        "0064h  28D70000h   685178880  GPIO Status and Control Register",
        "    Register 0064h breakdown:",
        "      [Bits31:24]  GPIO Input = 28h ",
        "DELAY  00000032h          50  LCD Panel Power On Delay (in ms)",
        "    Delays register programming for 50 ms.",
        "    Not an actual chip register.",
    };
    for (const std::string& line : lines) {
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    }
    EXPECT_NE(run.out.find("00101000110101110000000000000000b\n"), std::string::npos);
    EXPECT_EQ(RunCli({"regs", "x.elf", "--all"}).status, kExitUsage);
}

TEST(SettingsCommands, ValidateAndShowReportAsTheDiagnosticsPane) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const CliRun clean = RunCli({"validate", image});
    EXPECT_EQ(clean.status, kExitSuccess) << clean.err;
    EXPECT_EQ(clean.out, "");
    ASSERT_EQ(RunCli({"set", image, "75=2", "73=100", "--force"}).status, kExitSuccess);
    const CliRun bad = RunCli({"validate", image});
    EXPECT_EQ(bad.status, kExitFailure);
    EXPECT_EQ(bad.out, "ERROR: Vert Total is less than (Vert Start Pos + Vert Disp Period).\n"
                       "Warning: Vert Start Pos must be 0 when Panel Type is STN.\n");
    EXPECT_TRUE(
        RunCli({"show", image})
            .out.ends_with("\nDiagnostics:\n"
                           "  ERROR: Vert Total is less than (Vert Start Pos + Vert Disp Period).\n"
                           "  Warning: Vert Start Pos must be 0 when Panel Type is STN.\n"));
}

} // namespace
} // namespace k7r::cli
