#include "export/export_kinds.h"
#include "export/output_file.h"
#include "export_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace k7r {
namespace {

TEST(ExportKinds, AreListedInDialogOrderWithTheModeNumberInPlace) {
    ExportOptions options;
    options.ModeNumber = 3;
    std::vector<std::string> names;
    for (const ExportKind& kind : ExportKinds()) {
        names.push_back(DefaultFileName(kind, options));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"appcfg.h", "chip.h", "mode3.h", "k7r58c22.h",
                                               "k7r58c22.csv", "k7r58c22.html"}));
    const ExportKind& mode = ExportKinds()[2];
    EXPECT_EQ(ListText(mode, options), "C Header File for K7R58C22 WinCE Drivers \t\t[mode3.h]");
    EXPECT_EQ(ListText(ExportKinds()[5], options),
              "K7R58C22 Register Quick Reference\t\t\t[k7r58c22.html]");
}

TEST(ExportKinds, AreFoundByTheirCommandNames) {
    for (const char* name : {"appcfg", "chip", "mode", "generic", "csv", "html"}) {
        const ExportKind* kind = FindExportKind(name);
        ASSERT_NE(kind, nullptr) << name;
        EXPECT_EQ(kind->commandName, name);
    }
    EXPECT_EQ(FindExportKind("Chip"), nullptr);
    EXPECT_EQ(FindExportKind(""), nullptr);
}

TEST(RunExport, WritesTheGeneratedTextWithCrLfLineEnds) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(K7R_BINARY_DIR) / "tests" / "export" / "run_export";
    fs::create_directories(dir);
    WorkingConfig config = test::TemplateConfig();
    const ExportOptions options;
    for (const ExportKind& kind : ExportKinds()) {
        const std::string path = (dir / DefaultFileName(kind, options)).string();
        std::string message;
        ASSERT_TRUE(RunExport(kind, config, options, path, message)) << message;
        std::ifstream in(path, std::ios::binary);
        const std::string written{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
        EXPECT_EQ(written, ToCrLf(kind.generate(config, options))) << path;
        EXPECT_NE(written.find("\r\n"), std::string::npos);
    }
}

} // namespace
} // namespace k7r
