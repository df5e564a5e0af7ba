// `58c22cfg preview`: the status lines, the picture file, and exit status 1
// with the reason when the panel does not show the picture as configured.
#include "config/default_records.h"
#include "edit/edit_session.h"
#include "preview/preview_board.h"
#include "tests/cli/cli_run.h"
#include "tests/emu/png_reader.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace k7r::cli {
namespace {

TEST(PreviewCommand, WritesThePanelPrintsItsStatusAndSaysWhatIsWrong) {
    const std::string directory = test::ScratchDirectory();
    const std::string image = ViewerImageCopy(directory);
    const std::string out = directory + "/panel.png";
    CliRun run = RunCli({"preview", image, "-o", out});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "Panel 320 x 240 as mounted, 8 bpp colour, SwivelView 0\n"
                       "Frame rate 70 Hz, pixel clock 6.249 MHz\n");
    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(edit::OpenConfiguration(config, image, [](const std::string&) {}));
    preview::PreviewBoard board;
    const std::optional<emu::Picture> written = test::ReadPng(out);
    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(test::SamePicture(*written, board.Show(config).picture));

    // The dark panel is written too.
    ASSERT_EQ(RunCli({"set", image, "57=1", "--force"}).status, kExitSuccess);
    std::remove(out.c_str());
    run = RunCli({"preview", image, "--output", out});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "Nothing shows: the chip is in power save mode (Pwr Save Mode).\n");
    EXPECT_TRUE(test::ReadPng(out).has_value());

    EXPECT_EQ(RunCli({"preview", image}).status, kExitUsage);
    EXPECT_EQ(RunCli({"preview", image, "-o", directory + "/no/such/panel.png"}).status,
              kExitFailure);
}

} // namespace
} // namespace k7r::cli
