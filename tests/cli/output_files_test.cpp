// export, diagram and report writing files; what they print is in the
// transcripts.
#include "cli/command.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "export/output_file.h"
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

// A file holds what standard output gets (with CR LF line ends for an
// export), replaces a longer one, and is put here when not named.
TEST(OutputFiles, HoldWhatStandardOutputGets) {
    EXPECT_EQ(exporter::ToCrLf("a\nb\r\n\nc"), "a\r\nb\r\n\r\nc");
    const std::string image = test::TestImagePath("carrier.elf");
    const std::string dir = test::ScratchDirectory();
    const auto printed = [&](std::vector<std::string_view> words) {
        words.insert(words.end(), {image, "-o", "-"});
        return exporter::ToCrLf(RunCli(words).out);
    };
    for (const char* kind : {"appcfg", "html"}) {
        const std::string path = dir + "/" + kind + ".out";
        test::WriteText(path, std::string(100000, 'x'));
        ASSERT_EQ(RunCli({"export", kind, image, "-o", path}).status, kExitSuccess) << kind;
        EXPECT_EQ(test::ReadText(path), printed({"export", kind})) << kind;
    }
    const fs::path before = fs::current_path();
    fs::current_path(dir);
    const CliRun mode = RunCli({"export", "mode", image, "--mode", "3"});
    const CliRun clocks = RunCli({"diagram", image, "clocks"});
    fs::current_path(before);
    ASSERT_EQ(mode.status, kExitSuccess) << mode.err;
    EXPECT_EQ(mode.out, "Exported mode3.h to \"mode3.h\".\n");
    EXPECT_EQ(test::ReadText(dir + "/mode3.h"), printed({"export", "mode", "--mode", "3"}));
    ASSERT_EQ(clocks.status, kExitSuccess) << clocks.err;
    EXPECT_EQ(clocks.out, "Drew the clocks diagram to \"k7r58c22-clocks.svg\".\n");
    EXPECT_EQ(test::ReadText(dir + "/k7r58c22-clocks.svg"),
              RunCli({"diagram", image, "clocks", "-o", "-"}).out);

    const std::string path = dir + "/review.html";
    const CliRun written = RunCli({"report", image, "-o", path});
    ASSERT_EQ(written.status, kExitSuccess) << written.err;
    EXPECT_EQ(written.out, "Wrote the report of \"" + image + "\" to \"" + path + "\".\n");
    EXPECT_EQ(test::ReadText(path), RunCli({"report", image, "-o", "-"}).out);
}

// What a reviewer looks for is on the page, and nothing it would fetch.
TEST(PictureCommands, ReportHoldsTheSettingsTheDiagnosticsAndBothPictures) {
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
