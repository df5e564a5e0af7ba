// A picture file in the preview against the viewer program itself, given
// the same record by `copy`, on the board emulator: the same panel, pixel for
// pixel.
#include "config/default_records.h"
#include "edit/edit_session.h"
#include "emu/emulated_driver.h"
#include "preview/preview_board.h"
#include "tests/cli/cli_run.h"
#include "tests/emu/png_reader.h"
#include "tests/hal/chip_fixture.h"
#include "tests/support/child_process.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::preview {
namespace {

TEST(ViewerMatch, PictureFileIsWhatTheViewerShows) {
    const std::string directory = test::ScratchDirectory();
    const std::string image = cli::ViewerImageCopy(directory);
    // Program images are known by their extension.
    const std::string viewer = directory + "/58c22view.elf";
    std::filesystem::copy_file(K7R_VIEWER, viewer);
    const std::string panel = directory + "/panel.png";
    PreviewBoard board;
    for (const auto& [depth, name] :
         {std::pair{"54=16", "colour.jpg"}, std::pair{"54=8", "gif8.gif"},
          std::pair{"54=4", "bmp4.bmp"}}) {
        SCOPED_TRACE(std::string(name) + " at " + depth);
        ASSERT_EQ(cli::RunCli({"set", image, depth, "--force"}).status, cli::kExitSuccess);
        ASSERT_EQ(cli::RunCli({"copy", image, viewer}).status, cli::kExitSuccess);
        const std::string picture = std::string(K7R_VIEW_SAMPLES) + "/" + name;
        test::SetEnvironment(emu::kEmulatorVariable, panel.c_str());
        const test::ChildOutcome run = test::RunProgram(
            {viewer, picture, "/A1"}, directory + "/out.txt", std::chrono::seconds(60));
        test::SetEnvironment(emu::kEmulatorVariable, nullptr);
        ASSERT_EQ(run.status, 0) << run.report;
        const std::optional<emu::Picture> seen = test::ReadPng(panel);
        ASSERT_TRUE(seen.has_value());

        config::WorkingConfig config(TemplateRecord);
        ASSERT_TRUE(edit::OpenConfiguration(config, image, [](const std::string&) {}));
        const Preview shown = board.Show(config, picture);
        EXPECT_TRUE(shown.faults.empty()) << shown.faults.front();
        EXPECT_TRUE(test::SamePicture(shown.picture, *seen));
    }
}

} // namespace
} // namespace k7r::preview
