// `set` applies each setting as the page control that edits it does: a
// refusal is printed with the page's message, the pages' notes follow the
// values, and a change that brings new validation errors saves nothing
// unless forced.
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::cli {
namespace {

// The page's message, the accepted values on a line of their own; the rules
// themselves are the editing core's.
TEST(SetCommand, RefusalsPrintTheReasonAndTheAcceptedValuesAndSaveNothing) {
    const struct {
        std::string_view assignment;
        std::string_view err;
    } kCases[] = {
        {"Bits-Per-Pixel=12",
         "ERROR: \"12\" is not a valid Bits-Per-Pixel!\nAllowed values: 1, 2, 4, 8, 16.\n"},
        {"25=1", "ERROR: Product Code is read-only.\n"},
        {"80=480", "ERROR: Main Addr Offset follows the display width while Auto Stride is "
                   "on.\nSwitch Auto Stride (18) off first.\n"},
        {"2=0.39MHz", "ERROR: \"0.39MHz\" is not a valid CLKI Timing!\n"
                      "A frequency in MHz from 0.391 to 120.000, such as 25.175.\n"},
    };
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const test::Bytes original = test::ReadFileBytes(image);
    for (const auto& c : kCases) {
        const CliRun run = RunCli({"set", image, "67=400", c.assignment});
        EXPECT_EQ(run.status, kExitFailure) << c.assignment;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_EQ(test::ReadFileBytes(image), original);
}

TEST(SetCommand, NewValidationErrorsSaveNothingUnlessForced) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const test::Bytes original = test::ReadFileBytes(image);
    const std::string errors =
        "ERROR: Horz Total is less than or equal to (Horz Start Pos + Horz Disp Period).\n"
        "ERROR: (Horz Total - Horz Disp Period) is less than the pixel count in 8 MCLKs.\n";
    const CliRun refused = RunCli({"set", image, "Horz Total=100"});
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_TRUE(refused.out.starts_with("67 Horz Total = 96\n" + errors)) << refused.out;
    EXPECT_EQ(refused.err, std::string(kProgramName) +
                               " set: nothing saved: the changes bring 2 new errors (--force "
                               "saves them)\n");
    EXPECT_EQ(test::ReadFileBytes(image), original);

    const CliRun forced = RunCli({"set", image, "Horz Total=100", "--force"});
    EXPECT_EQ(forced.status, kExitSuccess) << forced.err;
    EXPECT_NE(forced.out.find(errors), std::string::npos);
    EXPECT_EQ(RunCli({"get", image, "67"}).out, "67 Horz Total = 96\n");
    EXPECT_EQ(RunCli({"validate", image}).status, kExitFailure);

    // Errors the file already has are shown but do not block.
    const CliRun later = RunCli({"set", image, "116=300"});
    EXPECT_EQ(later.status, kExitSuccess) << later.err;
    EXPECT_TRUE(later.out.starts_with(
        "116 PWMOUT Duty Cycle = 255\n"
        "NOTE: The PWMOUT Duty Cycle was set to the closest allowable value.\n" +
        errors))
        << later.out;
}

} // namespace
} // namespace k7r::cli
