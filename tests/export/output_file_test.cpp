#include "export/export_kinds.h"
#include "export/output_file.h"
#include "export_test_support.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r {
namespace {

TEST(ExportKinds, AreListedInDialogOrderWithTheModeNumberInPlace) {
    ExportOptions options;
    options.ModeNumber = 3;
    std::vector<std::string> names;
    for (const ExportKind& kind : ExportKinds()) {
        EXPECT_EQ(FindExportKind(kind.commandName), &kind);
        names.push_back(DefaultFileName(kind, options));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"appcfg.h", "chip.h", "mode3.h", "k7r58c22.h",
                                               "k7r58c22.csv", "k7r58c22.html"}));
    EXPECT_EQ(ListText(ExportKinds()[2], options),
              "C Header File for K7R58C22 WinCE Drivers \t\t[mode3.h]");
    EXPECT_EQ(FindExportKind("Chip"), nullptr);
}

TEST(ToCrLf, AddsCrOnlyWhereItIsMissing) {
    EXPECT_EQ(ToCrLf("a\nb\r\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(ToCrLf("\n"), "\r\n");
    EXPECT_EQ(ToCrLf("no line end"), "no line end");
}

TEST(RunExport, ReplacesAnExistingFileWithTheCrLfText) {
    const std::string path = test::ScratchDirectory() + "/appcfg.h";
    test::WriteText(path, std::string(100000, 'x'));
    WorkingConfig config = test::TemplateConfig();
    std::string message;
    ASSERT_TRUE(RunExport(ExportKinds()[0], config, {}, path, message)) << message;
    EXPECT_EQ(test::ReadText(path), ToCrLf(ExportKinds()[0].generate(config, {})));
    EXPECT_TRUE(message.empty());
}

TEST(WriteOutputFile, ReportsATargetThatCannotBeCreated) {
    const std::string path = test::ScratchDirectory() + "/missing/chip.h";
    std::string message;
    EXPECT_FALSE(WriteOutputFile(path, "text", message));
    EXPECT_EQ(message, "Failed to create file " + path);
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
} // namespace k7r
