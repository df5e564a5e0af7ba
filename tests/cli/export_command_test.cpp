#include "cli/command.h"
#include "config/default_records.h"
#include "export/export_kinds.h"
#include "export/output_file.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::cli {
namespace {

namespace fs = std::filesystem;

// The generated text for the viewer's record, which the test image carries.
std::string Expected(std::string_view kindName, const exporter::ExportOptions& options = {}) {
    config::WorkingConfig config(ViewerRecord);
    return exporter::FindExportKind(kindName)->generate(config, options);
}

class ExportCommand : public testing::Test {
  protected:
    const std::string image_ = test::TestImagePath("carrier.elf");
    const std::string dir_ = test::ScratchDirectory();
};

TEST_F(ExportCommand, WritesTheKindWithCrLfLineEnds) {
    for (const char* kind : {"appcfg", "html"}) {
        const std::string path = dir_ + "/" + kind + ".out";
        const CliRun run = RunCli({"export", kind, image_, "-o", path});
        ASSERT_EQ(run.status, kExitSuccess) << kind << ": " << run.err;
        EXPECT_EQ(test::ReadText(path), exporter::ToCrLf(Expected(kind))) << kind;
    }
}

TEST_F(ExportCommand, WritesTheDefaultNameInTheCurrentDirectory) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    const CliRun run = RunCli({"export", "mode", image_, "--mode", "3"});
    fs::current_path(before);
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(run.out, "Exported mode3.h to \"mode3.h\".\n");
    exporter::ExportOptions options;
    options.ModeNumber = 3;
    EXPECT_EQ(test::ReadText(dir_ + "/mode3.h"), exporter::ToCrLf(Expected("mode", options)));
}

TEST_F(ExportCommand, WritesStandardOutputWithLfLineEndsAndTheDialogsModeFlags) {
    EXPECT_EQ(RunCli({"export", "csv", image_, "-o", "-"}).out, Expected("csv"));
    const CliRun run =
        RunCli({"export", "generic", image_, "-o", "-", "--cursor", "--no-software-accel"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    exporter::ExportOptions options;
    options.ModeFlags = exporter::mfLCD | exporter::mfHWBLT | exporter::mfSWCURSOR;
    EXPECT_EQ(run.out, Expected("generic", options));
}

TEST_F(ExportCommand, RefusesWhatItCannotDo) {
    EXPECT_EQ(RunCli({"export", "mode", image_, "--mode", "1001"}).status, kExitUsage);
    EXPECT_EQ(RunCli({"export", "csv", image_, "--cursor"}).status, kExitUsage);

    const std::string target = dir_ + "/missing/chip.h";
    const CliRun run = RunCli({"export", "chip", image_, "-o", target});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "Failed to create file " + target + "\n");
}

} // namespace
} // namespace k7r::cli
