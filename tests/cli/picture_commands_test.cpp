// diagram and report: the pictures and the report of a file's
// configuration, as the library draws and writes them.
#include "cli/command.h"
#include "config/default_records.h"
#include "diagrams/clock_tree_diagram.h"
#include "diagrams/svg.h"
#include "diagrams/timing_diagram.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::cli {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const std::string& path) {
    const test::Bytes bytes = test::ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

class PictureCommands : public testing::Test {
  protected:
    const std::string image_ = test::TestImagePath("carrier.elf");
    const std::string dir_ = test::ScratchDirectory();
};

TEST_F(PictureCommands, DiagramWritesEitherPictureAsSvg) {
    config::WorkingConfig config(ViewerRecord);
    const CliRun timing = RunCli({"diagram", image_, "timing", "-o", "-"});
    ASSERT_EQ(timing.status, kExitSuccess) << timing.err;
    EXPECT_EQ(timing.out,
              diagrams::RenderSvg(diagrams::TimingDiagram(config), diagrams::SvgUse::File));

    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    const CliRun clocks = RunCli({"diagram", image_, "clocks"});
    fs::current_path(before);
    ASSERT_EQ(clocks.status, kExitSuccess) << clocks.err;
    EXPECT_EQ(clocks.out, "Drew the clocks diagram to \"k7r58c22-clocks.svg\".\n");
    EXPECT_EQ(ReadText(dir_ + "/k7r58c22-clocks.svg"),
              diagrams::RenderSvg(diagrams::ClockTreeDiagram(config), diagrams::SvgUse::File));
}

TEST_F(PictureCommands, DiagramRefusesAnUnknownKindAndAFileWithoutRecord) {
    const CliRun unknown = RunCli({"diagram", image_, "power"});
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_NE(unknown.err.find("unknown kind \"power\" (timing or clocks)"), std::string::npos);
    const std::string empty = dir_ + "/empty.bin";
    test::WriteFileBytes(empty, test::Bytes(64, 0));
    EXPECT_EQ(RunCli({"diagram", empty, "timing", "-o", "-"}).status, kExitFailure);
}

} // namespace
} // namespace k7r::cli
