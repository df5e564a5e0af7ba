// The preview against the emulated board as the command line drives it: the
// same record gives the same panel, pixel for pixel, on a board of the
// preview's own that leaves the program's bound board alone.
#include "config/default_records.h"
#include "edit/edit_session.h"
#include "emu/emulated_driver.h"
#include "hal/access.h"
#include "preview/preview_board.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cli/cli_run.h"
#include "tests/emu/png_reader.h"
#include "tests/hal/chip_fixture.h"
#ifdef K7R_VIEWER
#include "tests/support/child_process.h"
#endif

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace k7r::preview {
namespace {

using test::SetEnvironment;

class PreviewBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory = test::ScratchDirectory();
        image = cli::ViewerImageCopy(directory);
        panel = directory + "/panel.png";
    }
    void TearDown() override { SetEnvironment(emu::kEmulatorVariable, nullptr); }
    // The viewer's configuration (a 320 x 240 colour panel at 8 bpp) with
    // the settings given, as the utility's pages would make them.
    void Configure(std::vector<std::string_view> assignments) {
        assignments.insert(assignments.begin(), {"set", image});
        assignments.push_back("--force");
        const cli::CliRun run = cli::RunCli(assignments);
        ASSERT_EQ(run.status, cli::kExitSuccess) << run.err;
    }

    config::WorkingConfig Opened() {
        config::WorkingConfig config(TemplateRecord);
        EXPECT_TRUE(edit::OpenConfiguration(config, image, [](const std::string&) {}));
        return config;
    }
    // What `init --pattern` leaves on the emulated board's panel.
    emu::Picture InitPattern() {
        SetEnvironment(emu::kEmulatorVariable, panel.c_str());
        emu::TheBoard().PowerOn();
        const cli::CliRun run = cli::RunCli({"init", image, "--pattern"});
        SetEnvironment(emu::kEmulatorVariable, nullptr);
        EXPECT_EQ(run.status, cli::kExitSuccess) << run.err;
        return test::ReadPng(panel).value_or(emu::Picture{});
    }

    std::string directory;
    std::string image;
    std::string panel;
    PreviewBoard board;
};

TEST_F(PreviewBoardTest, TestPatternIsTheEmulatedBoardsPixelForPixel) {
    // Depth, SwivelView and panel colour.
    const std::vector<std::string_view> kCases[] = {
        {"54=1", "52=0", "40=Color"},   {"54=2", "52=0", "40=Color"},
        {"54=4", "52=0", "40=Color"},   {"54=8", "52=0", "40=Color"},
        {"54=16", "52=0", "40=Color"},  {"54=8", "52=90", "40=Color"},
        {"54=4", "52=180", "40=Color"}, {"54=16", "52=270", "40=Color"},
        {"54=2", "52=90", "40=Mono"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c[0]) + " " + std::string(c[1]) + " " + std::string(c[2]));
        Configure(c);
        const emu::Picture expected = InitPattern();
        ASSERT_NE(expected.width, 0u);

        const Preview shown = board.Show(Opened());
        EXPECT_TRUE(test::SamePicture(shown.picture, expected));
        EXPECT_TRUE(shown.faults.empty()) << shown.faults.front();
    }
}

// Neither the bound board nor the working configuration's binding is
// touched, and no environment variable is needed.
TEST_F(PreviewBoardTest, LeavesTheBoundBoardAndTheBindingAloneAndDarkensAnUnpoweredPanel) {
    HAL_STRUCT layerRecord = ViewerRecord;
    hal::UseRecord(layerRecord);
    config::WorkingConfig config = Opened();
    config.Bound = config.Live = true;
    const Preview shown = board.Show(config);
    EXPECT_TRUE(config.Bound && config.Live);
    EXPECT_EQ(config.RegisterBase, 0u);
    EXPECT_EQ(hal::Bases().registers, 0u);
    EXPECT_EQ(std::memcmp(&layerRecord, &ViewerRecord, sizeof layerRecord), 0);
    EXPECT_FALSE(emu::TheBoard().IsMapped());
    EXPECT_EQ(shown.picture.Pixel(0, 0), 0xFFFFFFu); // the pattern's white frame
    // The emulator draws on without panel power; the preview shows the panel
    // dark.
    config = config::WorkingConfig(TemplateRecord); // STN: power on GPO0
    regs::SetFieldValue(config, regs::kIdGpoControl, 0);
    const Preview dark = board.Show(config);
    ASSERT_EQ(dark.faults.size(), 1u);
    EXPECT_EQ(dark.faults[0], "Nothing shows: the panel's power pin stays off.");
    EXPECT_EQ(dark.picture.Pixel(0, 0), 0u);
}

// 640 x 480 at 16 bpp needs 600 KB; the board has 256 KB. The pattern
// stops at the end of the buffer, 512 pixels into line 204, and the scan
// wraps round to the top of memory: line 206 shows line 1 from pixel 128 on.
TEST_F(PreviewBoardTest, ABufferTooSmallShowsThePictureStartingAgain) {
    Configure({"67=800", "73=525", "68=640", "74=480", "54=16", "7=0"});
    const Preview shown = board.Show(Opened());
    ASSERT_EQ(shown.faults.size(), 1u);
    EXPECT_EQ(shown.faults[0],
              "The display buffer (262144 bytes) is too small: the picture stops at its end.");
    for (std::uint32_t x = 0; x < 512; ++x) {
        ASSERT_EQ(shown.picture.Pixel(x, 206), shown.picture.Pixel(x + 128, 1)) << x;
    }
}

// A stride of 300 bytes under lines of 320 pixels at 8 bpp: each line's
// last 20 pixels are the next line's first, so the picture is sheared by a
// line at x = 300.
TEST_F(PreviewBoardTest, AShortStrideShearsThePicture) {
    Configure({"18=0", "80=300"});
    const Preview shown = board.Show(Opened());
    ASSERT_EQ(shown.faults.size(), 1u);
    EXPECT_EQ(shown.faults[0], "Main Addr Offset 300 bytes is shorter than a line of the picture "
                               "(320 bytes): each line runs into the next.");
    for (std::uint32_t y = 0; y + 1 < 240; ++y) {
        for (std::uint32_t x = 300; x < 320; ++x) {
            ASSERT_EQ(shown.picture.Pixel(x, y), shown.picture.Pixel(x - 300, y + 1)) << x << y;
        }
    }
    // The band that starts at line 30 begins a line early right of x = 300.
    EXPECT_NE(shown.picture.Pixel(315, 29), shown.picture.Pixel(15, 29));
}

// `58c22cfg preview`: the status lines, the picture file, and exit status 1
// with the reason when the panel does not show the picture as configured.
TEST_F(PreviewBoardTest, CommandWritesThePanelPrintsItsStatusAndSaysWhatIsWrong) {
    using namespace cli;
    CliRun run = RunCli({"preview", image, "-o", panel});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "Panel 320 x 240 as mounted, 8 bpp colour, SwivelView 0\n"
                       "Frame rate 70 Hz, pixel clock 6.249 MHz\n");
    const std::optional<emu::Picture> written = test::ReadPng(panel);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(test::SamePicture(*written, board.Show(Opened()).picture));
    // The dark panel is written too.
    ASSERT_EQ(RunCli({"set", image, "57=1", "--force"}).status, kExitSuccess);
    std::remove(panel.c_str());
    run = RunCli({"preview", image, "--output", panel});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "Nothing shows: the chip is in power save mode (Pwr Save Mode).\n");
    EXPECT_TRUE(test::ReadPng(panel).has_value());

    EXPECT_EQ(RunCli({"preview", image}).status, kExitUsage);
    EXPECT_EQ(RunCli({"preview", image, "-o", directory + "/no/such/panel.png"}).status,
              kExitFailure);
}

#ifdef K7R_VIEWER
// A picture file against the viewer program itself, given the same record
// by `copy`.
TEST_F(PreviewBoardTest, PictureFileIsWhatTheViewerShows) {
    // Program images are known by their extension.
    const std::string viewer = directory + "/58c22view.elf";
    std::filesystem::copy_file(K7R_VIEWER, viewer);
    for (const auto& [depth, name] :
         {std::pair{"54=16", "colour.jpg"}, std::pair{"54=8", "gif8.gif"},
          std::pair{"54=4", "bmp4.bmp"}}) {
        SCOPED_TRACE(std::string(name) + " at " + depth);
        ASSERT_NO_FATAL_FAILURE(Configure({depth}));
        ASSERT_EQ(cli::RunCli({"copy", image, viewer}).status, cli::kExitSuccess);
        const std::string picture = std::string(K7R_VIEW_SAMPLES) + "/" + name;
        SetEnvironment(emu::kEmulatorVariable, panel.c_str());
        const test::ChildOutcome run = test::RunProgram(
            {viewer, picture, "/A1"}, directory + "/out.txt", std::chrono::seconds(60));
        SetEnvironment(emu::kEmulatorVariable, nullptr);
        ASSERT_EQ(run.status, 0) << run.report;
        const std::optional<emu::Picture> seen = test::ReadPng(panel);
        ASSERT_TRUE(seen.has_value());
        const Preview shown = board.Show(Opened(), picture);
        EXPECT_TRUE(shown.faults.empty()) << shown.faults.front();
        EXPECT_TRUE(test::SamePicture(shown.picture, *seen));
    }
}
#endif

} // namespace
} // namespace k7r::preview
