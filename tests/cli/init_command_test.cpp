// `init` brings the board's chip up from a file's configuration as the
// Direct tab does and draws its test pattern, here on the board emulator,
// whose panel is checked pixel by pixel against the pattern's table.
#include "emu/emulated_driver.h"
#include "emu/panel_picture.h"
#include "tests/cli/cli_run.h"
#include "tests/edit/pattern_model.h"
#include "tests/hal/chip_fixture.h"

namespace k7r::cli {
namespace {

class InitCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        test::SetEnvironment(emu::kEmulatorVariable, "1");
        emu::TheBoard().PowerOn();
        image = ViewerImageCopy(test::ScratchDirectory());
    }
    void TearDown() override { test::SetEnvironment(emu::kEmulatorVariable, nullptr); }

    // The viewer's configuration (a 320 x 240 colour panel) with the
    // settings given, as the utility's pages would make them.
    void Configure(std::vector<std::string_view> assignments) {
        assignments.insert(assignments.begin(), {"set", image});
        assignments.push_back("--force");
        const CliRun run = RunCli(assignments);
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
    }

    std::string image;
};

// At 90 degrees the start address names the word that holds the end of a
// line, and the pattern's lines are moved to end on a word boundary. A line
// of 240 pixels at 1 bpp is 30 bytes, so the pattern starts 2 bytes (16
// pixels) in; the emulated chip reads the line from the word's first byte,
// as the viewer lays its lines out, so it shows the pattern that much to the
// right.
TEST_F(InitCommand, DrawsThePatternAtEveryDepthAndSwivelView) {
    const struct {
        std::string depth, swivel;
        bool colour;
        std::uint32_t shift = 0;
    } kCases[] = {
        {"8", "0", true},    {"16", "0", true},  {"1", "0", true},      {"2", "0", true},
        {"4", "0", true},    {"4", "0", false},  {"8", "90", true},     {"8", "180", true},
        {"8", "270", true},  {"16", "90", true}, {"2", "180", false},   {"4", "270", true},
        {"16", "180", true}, {"1", "270", true}, {"1", "90", true, 16},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.depth + " bpp at " + c.swivel);
        emu::TheBoard().PowerOn();
        Configure({"54=" + c.depth, "52=" + c.swivel, c.colour ? "40=Color" : "40=Mono"});
        const CliRun run = RunCli({"init", image, "--pattern"});
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
        EXPECT_EQ(run.out, "Initialized K7R58C22 using HAL build 2.\n");

        const emu::Picture picture = emu::RenderPanel(emu::TheBoard());
        const bool turned = c.swivel == "90" || c.swivel == "270";
        EXPECT_EQ(picture.width, turned ? 240u : 320u);
        EXPECT_TRUE(test::ShowsPattern(picture, std::stoul(c.depth), c.colour, c.shift));
        EXPECT_TRUE(emu::TheBoard().BusErrors().empty());
    }
}

// A picture larger than the display buffer is drawn up to its end and no
// further, wherever the main window starts.
TEST_F(InitCommand, StopsAtTheEndOfTheDisplayBuffer) {
    // 640 x 480 at 16 bpp needs 600 KB; the board has 256 KB.
    Configure({"67=800", "73=525", "68=640", "74=480", "54=16", "79=65536", "7=0"});
    ASSERT_EQ(RunCli({"init", image, "--pattern"}).status, kExitSuccess);
    EXPECT_TRUE(emu::TheBoard().BusErrors().empty());
    const std::span<const std::uint8_t> memory = emu::TheBoard().DisplayMemory();
    // From 64 KB on, 1280 bytes a line: 153 lines and 384 pixels of the next.
    const std::uint32_t stop = 65536 + 153 * 1280 + 384 * 2;
    ASSERT_EQ(stop, 262144u);
    const test::PatternModel model(16, 640, 480);
    EXPECT_EQ(memory[stop - 2] | memory[stop - 1] << 8, model.Pixel(383, 153));
    EXPECT_EQ(memory[65536] | memory[65537] << 8, 0xFFFFu);
}

TEST_F(InitCommand, ReportsTheLayersErrorWithoutABoard) {
    test::SetEnvironment(emu::kEmulatorVariable, nullptr);
    const CliRun run = RunCli({"init", image, "--no-clocks"});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Cannot Initialize: ERROR: Unable to find/load the K7R58xxx driver. (1)\n");
    for (const std::string_view word : {"--no-clock", "--pattern=1"}) {
        EXPECT_EQ(RunCli({"init", image, word}).status, kExitUsage) << word;
    }
}

// The options are the Direct tab's: each skips (or, for the reset, adds) a
// step of the initialization.
TEST_F(InitCommand, OptionsChooseTheSteps) {
    ASSERT_EQ(RunCli({"init", image, "--reset", "--no-clocks", "--no-lut"}).status, kExitSuccess);
    EXPECT_EQ(emu::TheBoard().UsbResets(), 1);
    EXPECT_TRUE(emu::TheBoard().Synthesizer().Words().empty());
    EXPECT_EQ(emu::TheBoard().LutEntry(255), 0u);
    ASSERT_EQ(RunCli({"init", image}).status, kExitSuccess);
    EXPECT_EQ(emu::TheBoard().UsbResets(), 1);
    EXPECT_FALSE(emu::TheBoard().Synthesizer().Words().empty());
    EXPECT_EQ(emu::TheBoard().LutEntry(255), 0xFFFFFFu);
}

} // namespace
} // namespace k7r::cli
