// `set` applies each setting as the page control that edits it does: what
// no control can produce is refused with the page's message, the pages'
// warnings and notes are printed, and a change that brings new validation
// errors saves nothing unless forced.
#include "config/default_records.h"
#include "containers/config_file.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::cli {
namespace {

TEST(SetCommand, RefusesWhatNoPageControlCanProduceAndSavesNothing) {
    const std::string longDescription = "1=" + std::string(256, 'x');
    const struct {
        std::vector<std::string_view> assignments;
        std::string_view err;
    } kCases[] = {
        {{"Bits-Per-Pixel=12"},
         "ERROR: \"12\" is not a valid Bits-Per-Pixel!\nAllowed values: 1, 2, 4, 8, 16.\n"},
        {{"52=45"}, "ERROR: \"45\" is not a valid SwivelView!\nAllowed values: 0, 90, 180, 270.\n"},
        {{"25=1"}, "ERROR: Product Code is read-only.\n"},
        {{"19=5"}, "ERROR: Pixel Clock is computed from other settings and cannot be set.\n"},
        {{"GPO Control=0x5"},
         "ERROR: GPO Control cannot be set: this configuration's register table has no entry for "
         "REG[68h], so the chip would never receive it.\n"},
        {{"80=480"},
         "ERROR: Main Addr Offset follows the display width while Auto Stride is "
         "on.\nSwitch Auto Stride (18) off first.\n"},
        {{"2=0.39MHz"},
         "ERROR: \"0.39MHz\" is not a valid CLKI Timing!\n"
         "A frequency in MHz from 0.391 to 120.000, such as 25.175.\n"},
        {{"6=65536"},
         "ERROR: \"65536\" is not a valid LCD Pwr Off Time!\nA number of milliseconds from 0 to "
         "65535.\n"},
        {{"31=CLKI3"},
         "ERROR: \"CLKI3\" is not a valid BCLK Src!\nAllowed values: CLKI (0), CLKI2 (1).\n"},
        {{"24=TFT", "8=0x20"}, // USB reserves GPIO5
         "ERROR: \"0x20\" is not a valid GPIO Pwr Mask!\nAllowed values: 0 (off), 1 (pin 0).\n"},
        {{"8=2"},
         "ERROR: GPIO Pwr Mask is not used while the panel type switches panel power "
         "through a GPO pin.\n"},
        {{longDescription}, ""},
    };
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const test::Bytes original = test::ReadFileBytes(image);
    for (const auto& c : kCases) {
        std::vector<std::string_view> words = {"set", image, "67=400"};
        words.insert(words.end(), c.assignments.begin(), c.assignments.end());
        const CliRun run = RunCli(words);
        EXPECT_EQ(run.status, kExitFailure) << c.assignments.back();
        EXPECT_EQ(run.out, "");
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err);
        }
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

TEST(SetCommand, ConflictingPowerPinsAreGivenUpWithThePagesWarning) {
    const struct {
        std::vector<std::string_view> assignments;
        std::string_view warning;
    } kCases[] = {
        {{"16=0", "17=0", "24=TFT", "8=32", "17=1"},
         "17 USB Enable = 1\n"
         "Warning: GPIO Power was disabled because of a conflict; USB reserves GPIO[7:4].\n"},
        {{"16=0", "17=0", "24=TFT", "8=4", "16=1"},
         "16 Clock Chip Sup = 1\n"
         "Warning: GPIO Power was disabled because of a conflict; clock chip reserves "
         "GPIO[3:1].\n"},
    };
    for (const auto& c : kCases) {
        const std::string image = ViewerImageCopy(test::ScratchDirectory());
        std::vector<std::string_view> words = {"set", image};
        words.insert(words.end(), c.assignments.begin(), c.assignments.end());
        const CliRun run = RunCli(words);
        EXPECT_EQ(run.status, kExitSuccess) << run.err;
        EXPECT_NE(run.out.find(c.warning), std::string::npos) << run.out;
        EXPECT_EQ(RunCli({"get", image, "8"}).out, "8 GPIO Pwr Mask = 0\n");
        std::filesystem::remove(image);
    }
}

// A file whose GPO power pin (8) has no GPIO twin while its GPIO mask holds
// a USB pin: the TFT type's GPIO power cannot keep that pin.
TEST(SetCommand, PanelTypeChangeMovesPowerToTheNewPinFamily) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(containers::OpenConfigFile(image, config, {}));
    regs::SetFieldValue(config, regs::kIdGpoPowerMask, 0x100);
    regs::SetFieldValue(config, regs::kIdGpioPowerMask, 0x20);
    ASSERT_TRUE(containers::SaveConfigFile(image, "", config.Record, false, {}));

    const CliRun run = RunCli({"set", image, "24=TFT"});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_TRUE(
        run.out.starts_with("24 Panel Type = TFT\n"
                            "Warning: GPIO Power was disabled because of a clock chip or USB "
                            "conflict.\n"))
        << run.out;
    EXPECT_EQ(RunCli({"get", image, "8"}).out, "8 GPIO Pwr Mask = 0\n");
}

TEST(SetCommand, PageNotesForClampedAndRoundedValues) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const CliRun run = RunCli({"set", image, "68=244", "24=TFT", "68=244", "71=500"});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_TRUE(run.out.starts_with(
        "68 Horz Disp Period = 256\n"
        "NOTE: The value was rounded up to the closest allowable value.\n"
        "24 Panel Type = TFT\n"
        "68 Horz Disp Period = 248\n"
        "NOTE: The value was rounded up to the closest allowable value.\n"
        "71 FPLINE Width = 128\n"
        "NOTE: The FPLINE Pulse Width was set to the closest allowable value.\n"))
        << run.out;
}

} // namespace
} // namespace k7r::cli
