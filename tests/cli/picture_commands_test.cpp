// diagram and report: the pictures and the report of a file's
// configuration, as the library draws and writes them.
#include "cli/command.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "diagrams/clock_tree_diagram.h"
#include "diagrams/svg.h"
#include "diagrams/timing_diagram.h"
#include "export/report.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
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

TEST_F(PictureCommands, ReportWritesOneSelfContainedPage) {
    config::WorkingConfig config(ViewerRecord);
    const std::string page = exporter::ConfigurationReport(config, ProgramPanels(), image_);
    const CliRun printed = RunCli({"report", image_, "-o", "-"});
    ASSERT_EQ(printed.status, kExitSuccess) << printed.err;
    EXPECT_EQ(printed.out, page);

    const std::string path = dir_ + "/review.html";
    const CliRun written = RunCli({"report", image_, "-o", path});
    ASSERT_EQ(written.status, kExitSuccess) << written.err;
    EXPECT_EQ(written.out, "Wrote the report of \"" + image_ + "\" to \"" + path + "\".\n");
    EXPECT_EQ(ReadText(path), page);
}

// What a reviewer looks for is on the page, and nothing it would fetch.
TEST_F(PictureCommands, ReportHoldsTheSettingsTheDiagnosticsAndBothPictures) {
    config::WorkingConfig config(ViewerRecord);
    std::strcpy(config.Record.Description, "Rev <B> & \"C\"\nsecond line");
    regs::SetFieldValue(config, regs::kIdHorzStart, 30);
    const std::string page = exporter::ConfigurationReport(config, ProgramPanels(), "a&b.elf");
    for (const char* text :
         {"<title>K7R58C22 configuration report: a&amp;b.elf</title>",
          "<tr><th>Description</th><td>Rev &lt;B&gt; &amp; &quot;C&quot;<br>second line</td></tr>",
          "<tr><th>Predefined panel</th><td>Custom panel</td></tr>", "<h3>Panel Power</h3>",
          "<tr><td class=\"id\">69</td><td>Horz Start Pos</td><td>30</td></tr>",
          "<div class=\"warning\">Warning: Horz Start Pos must be 22 (where REG[28h] = 0) when "
          "Panel Type is STN.</div>",
          "<title>Panel timing: STN, PCLK 6.250 MHz</title>", "<title>Clock tree</title>",
          "<td>0010h</td>"}) {
        EXPECT_NE(page.find(text), std::string::npos) << text;
    }
    for (const char* fetching : {"<script", "src=", "href=", "url(", "<link", "@import"}) {
        EXPECT_EQ(page.find(fetching), std::string::npos) << fetching;
    }
}

} // namespace
} // namespace k7r::cli
