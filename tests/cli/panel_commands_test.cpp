#include "cli/command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace k7r::cli {
namespace {

struct Output {
    int status;
    std::string out;
    std::string err;
};

Output RunWords(std::vector<std::string_view> words) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommandLine(words);
    std::fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();
    return {status, out, testing::internal::GetCapturedStderr()};
}

// A panel file of the given name in a directory of its own.
class PanelFile {
  public:
    PanelFile(const std::string& name, const std::string& text)
        : directory_(std::filesystem::temp_directory_path() / "k7r_cli_panels"),
          path_((directory_ / name).string()) {
        std::filesystem::create_directories(directory_);
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~PanelFile() { std::filesystem::remove_all(directory_); }
    const std::string& path() const { return path_; }

  private:
    std::filesystem::path directory_;
    std::string path_;
};

constexpr const char* kDtfdAndQvga =
    "PANEL \"Old D-TFD\" D-TFD 320 240 F 8 F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n"
    "PANEL \"QVGA\" TFT 320 240 F 18 F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n";

TEST(PanelsCommand, ListsThePublishedPanelsAndCustom) {
    const PanelFile file("mine.def", std::string("VERSION 2\n") + kDtfdAndQvga);
    const Output run = RunWords({"panels", "--def", file.path()});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "QVGA\nCustom panel\n");
}

TEST(PanelsCommand, DebugFileMarksDisqualifiedPanelsAndVersion) {
    const PanelFile file("Debug.Def", kDtfdAndQvga);
    const Output run = RunWords({"panels", "--def", file.path()});
    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out,
              "Loaded DEBUG.DEF file.  Note that panels prefixed with ** shouldn't work with "
              "58C22.\n"
              "**Old D-TFD\n"
              "    Old D-TFD is disqualified: it is a D-TFD.\n"
              "QVGA\n"
              "Custom panel\n"
              "ERROR: Version 2 of DEBUG.DEF is required (you are currently using version 1).\n");
}

TEST(PanelsCommand, RejectedOrMissingFileFails) {
    const PanelFile file("PANELS.DEF", "PANEL no quotes\n");
    const Output rejected = RunWords({"panels", "--def", file.path()});
    EXPECT_EQ(rejected.status, kExitFailure);
    EXPECT_EQ(rejected.out, "");
    EXPECT_EQ(rejected.err, "Invalid PANELS.DEF\n");

    const Output missing = RunWords({"panels", "--def", file.path() + ".none"});
    EXPECT_EQ(missing.status, kExitFailure);
    EXPECT_NE(missing.err.find("cannot open the panel definition file"), std::string::npos);

    EXPECT_EQ(RunWords({"panels", "--def"}).status, kExitUsage);
}

TEST(PanelsCommand, ShippedListLiesBesideTheProgram) {
    EXPECT_TRUE(std::filesystem::exists(K7R_BINARY_DIR "/cli/PANELS.DEF"));
}

} // namespace
} // namespace k7r::cli
