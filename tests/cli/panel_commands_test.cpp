#include "cli/command.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace k7r::cli {
namespace {

// A panel definition file of the given name in a directory.
std::string PanelFile(const std::string& directory, const std::string& name,
                      const std::string& text) {
    const std::string path = directory + "/" + name;
    test::WriteText(path, text);
    return path;
}

constexpr const char* kDtfdAndQvga =
    "PANEL \"Old D-TFD\" D-TFD 320 240 F 8 F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n"
    "PANEL \"QVGA\" TFT 320 240 F 18 F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n";

TEST(PanelsCommand, ListsThePublishedPanelsOrInADebugFileAllMarked) {
    const std::string directory = test::ScratchDirectory();
    const std::string file =
        PanelFile(directory, "mine.def", std::string("VERSION 2\n") + kDtfdAndQvga);
    const CliRun run = RunCli({"panels", "--def", file});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "Panel file: " + file + "\nQVGA\nCustom panel\n");

    const std::string debugFile = PanelFile(directory, "Debug.Def", kDtfdAndQvga);
    const CliRun debug = RunCli({"panels", "--def", debugFile});
    EXPECT_EQ(debug.status, kExitSuccess) << debug.err;
    EXPECT_EQ(
        debug.out,
        "Panel file: " + debugFile +
            "\n"
            "Loaded DEBUG.DEF file.  Note that panels prefixed with ** shouldn't work with "
            "58C22.\n"
            "**Old D-TFD\n"
            "    Old D-TFD is disqualified: it is a D-TFD.\n"
            "QVGA\n"
            "Custom panel\n"
            "ERROR: Version 2 of DEBUG.DEF is required (you are currently using version 1).\n");
}

TEST(PanelsCommand, RejectedOrMissingFileFails) {
    const std::string file = PanelFile(test::ScratchDirectory(), "PANELS.DEF", "PANEL no quotes\n");
    const CliRun rejected = RunCli({"panels", "--def", file});
    EXPECT_EQ(rejected.status, kExitFailure);
    EXPECT_EQ(rejected.out, "");
    EXPECT_EQ(rejected.err, "Invalid PANELS.DEF\n");

    const CliRun missing = RunCli({"panels", "--def", file + ".none"});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_NE(missing.err.find("cannot open the panel definition file"), std::string::npos);

    EXPECT_EQ(RunCli({"panels", "--def"}).status, kExitUsage);
}

TEST(PanelsCommand, ShippedListLiesBesideThePrograms) {
    EXPECT_TRUE(std::filesystem::exists(K7R_BINARY_DIR "/cli/PANELS.DEF"));
    // The tests run the commands in-process: the list lies beside them too.
    EXPECT_TRUE(std::filesystem::exists(K7R_BINARY_DIR "/tests/cli/PANELS.DEF"));
}

TEST(PanelCommand, AppliesByUniquePrefixSavesAndShowNamesIt) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const std::string copy = image + ".vga.elf";
    const CliRun run = RunCli({"panel", image, "vga tft", "--def", kShippedPanels, "-o", copy});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "Predefined panel: VGA TFT 640x480 18-bit (from " + kShippedPanels +
                           ")\n"
                           "Warning: Total Avail Vid Mem is 256 KB, but 300 KB is required.\n");

    const CliRun shown = RunCli({"show", copy});
    EXPECT_TRUE(HasLine(shown.out, "Panel:             VGA TFT 640x480 18-bit")) << shown.out;
    EXPECT_TRUE(HasLine(shown.out, "CLKI2:             25.175 MHz"));
    EXPECT_TRUE(HasLine(RunCli({"show", image}).out, "Panel:             Custom panel"));
}

TEST(PanelCommand, ReportsAPixelClockItCannotSet) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    // The PWM clock runs from CLKI2, which then may not be changed.
    ASSERT_EQ(RunCli({"set", image, "114=1"}).status, kExitSuccess);
    const CliRun run = RunCli({"panel", image, "VGA TFT 640x480 18-bit", "--def", kShippedPanels});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_TRUE(run.out.starts_with("Predefined panel: VGA TFT 640x480 18-bit (from " +
                                    kShippedPanels +
                                    ")\n"
                                    "Could not change pixel clock to \"25.175\"\n.\n"))
        << run.out;
}

TEST(PanelCommand, NamesMustBeUniqueAndQualified) {
    const std::string directory = test::ScratchDirectory();
    const std::string image = ViewerImageCopy(directory);
    const CliRun several = RunCli({"panel", image, "mono", "--def", kShippedPanels});
    EXPECT_EQ(several.status, kExitFailure);
    EXPECT_NE(several.err.find("\"mono\" names several predefined panels:\n"
                               "  Mono STN 160x160 4-bit\n"),
              std::string::npos)
        << several.err;
    const CliRun none = RunCli({"panel", image, "Plasma", "--def", kShippedPanels});
    EXPECT_EQ(none.status, kExitFailure);
    EXPECT_NE(
        none.err.find("no predefined panel is named \"Plasma\" in \"" + kShippedPanels + "\""),
        std::string::npos)
        << none.err;

    const std::string debug = PanelFile(directory, "DEBUG.DEF", kDtfdAndQvga);
    const CliRun refused = RunCli({"panel", image, "Old", "--def", debug});
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_EQ(refused.err, "Old D-TFD is disqualified: it is a D-TFD.\n");

    // The file's version message joins the diagnostics.
    const CliRun applied = RunCli({"panel", image, "QVGA", "--def", debug});
    EXPECT_EQ(applied.status, kExitSuccess) << applied.err;
    EXPECT_EQ(
        applied.out,
        "Predefined panel: QVGA (from " + debug +
            ")\n"
            "ERROR: Version 2 of DEBUG.DEF is required (you are currently using version 1).\n");
}

// Its horizontal total is shorter than its width, which the viewer's file
// has no error about.
TEST(PanelCommand, NewValidationErrorsSaveNothingUnlessForced) {
    const std::string directory = test::ScratchDirectory();
    const std::string image = ViewerImageCopy(directory);
    const test::Bytes original = test::ReadFileBytes(image);
    const std::string file = PanelFile(directory, "PANELS.DEF",
                                       "VERSION 2\nPANEL \"Short\" TFT 320 240 F 18 F n T F 6250 "
                                       "200 40 262 18 8 24 L 4 2 L n 0 0\n");
    const CliRun refused = RunCli({"panel", image, "Short", "--def", file});
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_TRUE(HasLine(refused.out, "ERROR: Horz Total is less than or equal to (Horz Start Pos + "
                                     "Horz Disp Period)."))
        << refused.out;
    EXPECT_EQ(refused.err, std::string(kProgramName) +
                               " panel: nothing saved: the changes bring 2 new errors (--force "
                               "saves them)\n");
    EXPECT_EQ(test::ReadFileBytes(image), original);

    const CliRun forced = RunCli({"panel", image, "Short", "--def", file, "--force"});
    EXPECT_EQ(forced.status, kExitSuccess) << forced.err;
    EXPECT_NE(test::ReadFileBytes(image), original);
}

} // namespace
} // namespace k7r::cli
