#include "export/export_kinds.h"
#include "export_test_support.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace k7r::exporter {
namespace {

namespace fs = std::filesystem;

// Every kind for both configurations against the files kept in
// tests/export/golden/<configuration>. The register map and the quick
// reference do not depend on the configuration and are kept once, with the
// template's. K7R_UPDATE_GOLDEN=1 rewrites the files instead, for a
// deliberate change that is then reviewed line by line.
class Golden : public testing::TestWithParam<const char*> {};

TEST_P(Golden, EveryKindMatchesItsFileByteForByte) {
    const std::string name = GetParam();
    config::WorkingConfig config =
        name == "rotated" ? test::RotatedConfig() : test::TemplateConfig();
    const bool update = std::getenv("K7R_UPDATE_GOLDEN") != nullptr;
    for (const ExportKind& kind : ExportKinds()) {
        const bool shared = kind.commandName == "chip" || kind.commandName == "html";
        const fs::path dir =
            fs::path(K7R_SOURCE_DIR) / "tests/export/golden" / (shared ? "template" : name);
        const fs::path path = dir / DefaultFileName(kind, {});
        const std::string text = kind.generate(config, {});
        if (update) {
            fs::create_directories(dir);
            test::WriteText(path.string(), text);
        } else {
            EXPECT_EQ(text, test::ReadText(path.string()))
                << path; // gtest shows the lines that differ
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, Golden, testing::Values("template", "rotated"));

} // namespace
} // namespace k7r::exporter
