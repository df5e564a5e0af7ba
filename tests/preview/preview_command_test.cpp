// `58c22cfg preview`: the status lines, the picture file, and exit status 1
// with the reason when the panel does not show the picture as configured.
#include "config/default_records.h"
#include "edit/edit_session.h"
#include "preview/preview_board.h"
#include "tests/cli/cli_run.h"
#include "tests/emu/png_reader.h"

#include <gtest/gtest.h>

namespace k7r::cli {
namespace {

TEST(PreviewCommand, WritesThePanelAndPrintsItsStatus) {
    const std::string directory = test::ScratchDirectory();
    const std::string image = ViewerImageCopy(directory);
    const std::string out = directory + "/panel.png";
    const CliRun run = RunCli({"preview", image, "-o", out});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "Panel 320 x 240 as mounted, 8 bpp colour, SwivelView 0\n"
                       "Frame rate 70 Hz, pixel clock 6.249 MHz\n");
    EXPECT_EQ(run.err, "");

    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(edit::OpenConfiguration(config, image, [](const std::string&) {}));
    preview::PreviewBoard board;
    const std::optional<emu::Picture> written = test::ReadPng(out);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(test::SamePicture(*written, board.Show(config).picture));
}

TEST(PreviewCommand, ReasonAndStatusOneWhenThePictureDoesNotShow) {
    const std::string directory = test::ScratchDirectory();
    const std::string image = ViewerImageCopy(directory);
    const std::string out = directory + "/panel.png";
    ASSERT_EQ(RunCli({"set", image, "57=1", "--force"}).status, kExitSuccess);
    const CliRun run = RunCli({"preview", image, "--output", out});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "Nothing shows: the chip is in power save mode (Pwr Save Mode).\n");
    EXPECT_TRUE(test::ReadPng(out).has_value()); // the dark panel

    EXPECT_EQ(RunCli({"preview", image}).status, kExitUsage);
    const CliRun unwritable = RunCli({"preview", image, "-o", directory + "/no/such/panel.png"});
    EXPECT_EQ(unwritable.status, kExitFailure);
    EXPECT_NE(unwritable.err, "");
}

} // namespace
} // namespace k7r::cli
