// Conversations with the command line, held byte for byte against the
// transcripts in golden/: each "$ " line is run in-process and followed by
// what it printed, standard error marked "! " and a failure's status as
// "[exit N]"; "# " lines are comments. Paths read as ${IMAGES} (the test
// images), ${PANELS} (the shipped panel list), ${GOLDEN} (golden/) and
// ${DIR} (a scratch directory that starts with a copy of carrier.elf); the
// Windows program's name reads as the native one's.
// Besides: records a transcript cannot show, the help of every command, the
// version, the manual page and the files that commands write.
#include "cli/command_table.h"
#include "cli/manual_page.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "config/record.h"
#include "export/output_file.h"
#include "export/report.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "tests/cli/cli_run.h"
#include "tests/support/transcript.h"

#include <cstring>
#include <iomanip>
#include <set>
#include <sstream>

namespace k7r::cli {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::pair<std::string, std::string>>;

// Each path of names in text written as its name, or each name as its path.
std::string Renamed(std::string text, const Names& names, bool toPaths = false) {
    for (const auto& [name, path] : names) {
        const std::string& from = toPaths ? name : path;
        const std::string& to = toPaths ? path : name;
        for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
            text.replace(at, from.size(), to);
        }
    }
    return text;
}

// Apart at spaces; a word in double quotes keeps its spaces.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> std::quoted(word);) {
        words.push_back(word);
    }
    return words;
}

// What one command prints, standard error and a failure's status marked.
std::string Answer(const std::string& line, const Names& names) {
    const std::vector<std::string> words = Words(Renamed(line, names, true));
    const CliRun run = RunCli(std::vector<std::string_view>(words.begin(), words.end()));
    std::string replayed = Renamed(run.out, names);
    if (!run.out.empty() && !run.out.ends_with('\n')) {
        replayed += "[no newline]\n";
    }
    std::istringstream errors(Renamed(run.err, names));
    for (std::string error; std::getline(errors, error);) {
        replayed += "! " + error + "\n";
    }
    if (run.status != kExitSuccess) {
        replayed += "[exit " + std::to_string(run.status) + "]\n";
    }
    return replayed;
}

class Transcript : public testing::TestWithParam<const char*> {};

TEST_P(Transcript, MatchesTheGoldenFile) {
    const std::string golden = K7R_SOURCE_DIR "/tests/cli/golden";
    const std::string dir = test::ScratchDirectory();
    ViewerImageCopy(dir);
    const Names names = {{"${DIR}", dir},
                         {"${IMAGES}", K7R_BINARY_DIR "/tests/images"},
                         {"${PANELS}", kShippedPanels},
                         {"${GOLDEN}", golden},
                         {"58c22cfg", std::string(kProgramName)}};
    test::ExpectTranscriptHolds(golden + "/" + GetParam() + ".txt",
                                [&](const std::string& line) { return Answer(line, names); });
}

INSTANTIATE_TEST_SUITE_P(Cli, Transcript,
                         testing::Values("show", "fields", "settings", "diff", "usage", "panels",
                                         "configure", "exports", "json", "options"),
                         [](const auto& info) { return std::string(info.param); });

TEST(Cli, ShowsAnyRecordsCrcStatusAndDescription) {
    const std::string dir = test::ScratchDirectory();
    HAL_STRUCT corrupted = ViewerRecord;
    corrupted.ClkI = 1;
    test::WriteFileBytes(dir + "/new.exe", test::ImageWithRecords(2000, TemplateRecord, {0}));
    test::WriteFileBytes(dir + "/bad.exe", test::ImageWithRecords(2000, corrupted, {0}));

    EXPECT_TRUE(
        HasLine(RunCli({"show", dir + "/new.exe"}).out, "CRC:               0000h (unconfigured)"));
    const CliRun bad = RunCli({"show", dir + "/bad.exe"});
    char crcLine[80];
    std::snprintf(crcLine, sizeof crcLine,
                  "CRC:               %04Xh (corrupted, the content's CRC is %04Xh)", corrupted.Crc,
                  config::ComputeRecordCrc(corrupted));
    EXPECT_TRUE(HasLine(bad.out, crcLine)) << bad.out;

    // A description in another code page still makes a JSON document.
    HAL_STRUCT latin1 = TemplateRecord;
    std::snprintf(latin1.Description, sizeof latin1.Description, "Caf\xE9");
    test::WriteFileBytes(dir + "/latin1.exe", test::ImageWithRecords(2000, latin1, {0}));
    EXPECT_NE(RunCli({"show", dir + "/latin1.exe", "--json"}).out.find("\"Caf\xEF\xBF\xBD\""),
              std::string::npos);
}

// The tests run the commands in-process: the list lies beside them too.
TEST(Cli, ShippedPanelListLiesBesideThePrograms) {
    EXPECT_TRUE(fs::exists(K7R_BINARY_DIR "/cli/PANELS.DEF"));
    EXPECT_TRUE(fs::exists(K7R_BINARY_DIR "/tests/cli/PANELS.DEF"));
}

const std::string kProgram(kProgramName);

TEST(Conventions, EveryCommandExplainsItselfWithStatusZero) {
    for (const Command* command : Commands()) {
        const std::string name(command->name);
        const CliRun help = RunCli({name, "--help"});
        EXPECT_EQ(help.status, kExitSuccess) << name << help.err;
        EXPECT_EQ(help.err, "");
        EXPECT_TRUE(help.out.starts_with("usage: " + kProgram + " " + name)) << help.out;
        EXPECT_NE(help.out.find("\noptions:\n"), std::string::npos) << name;
        EXPECT_NE(help.out.find("  -h, --help "), std::string::npos) << name;
        EXPECT_NE(help.out.find("\nexample:\n  " + kProgram + " " + name + " "), std::string::npos)
            << name;
        for (const Option& option : command->options) {
            EXPECT_NE(help.out.find(std::string(option.name)), std::string::npos) << name;
        }
        // The same from "help COMMAND", and whatever else the words hold.
        EXPECT_EQ(RunCli({"help", name}).out, help.out);
        EXPECT_EQ(RunCli({name, "no-such-file", "-h", "--no-such-option"}).out, help.out);
    }
    const CliRun list = RunCli({"help"});
    EXPECT_EQ(list.status, kExitSuccess);
    for (const Command* command : Commands()) {
        EXPECT_NE(list.out.find("\n  " + std::string(command->name) + " "), std::string::npos);
    }
}

TEST(Conventions, VersionNamesTheBuildAndTheLibraries) {
    const CliRun run = RunCli({"--version"});
    EXPECT_EQ(run.status, kExitSuccess);
    EXPECT_TRUE(run.out.starts_with(kProgram + " 1.0 (K7R58C22 software kit, build 17)\n"))
        << run.out;
    EXPECT_NE(run.out.find("\nnlohmann-json 3."), std::string::npos) << run.out;
}

// Every command and option has its place, and no text line starts what
// roff would read as a request.
TEST(ManualPage, DescribesEveryCommandAndOptionInPlainRoff) {
    const std::string page = ManualPage();
    for (const Command* command : Commands()) {
        EXPECT_NE(page.find(".SS \"" + std::string(command->name) + " "), std::string::npos)
            << command->name;
        for (const Option& option : command->options) {
            const std::string roffName = Renamed(std::string(option.name), {{"\\-", "-"}});
            EXPECT_NE(page.find("\\fB" + roffName + "\\fR"), std::string::npos)
                << command->name << " " << option.name;
        }
    }
    const std::set<std::string> kRequests = {".TH", ".SH", ".SS", ".PP", ".TP", ".RS",
                                             ".RE", ".nf", ".fi", ".B",  ".I"};
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(".") || line.starts_with("'")) {
            EXPECT_TRUE(kRequests.contains(line.substr(0, line.find(' ')))) << line;
        }
    }
}

// export, diagram and report writing files (what they print is in the
// transcripts): a file holds what standard output gets (with CR LF line
// ends for an export), replaces a longer one, and is put here when not
// named.
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
