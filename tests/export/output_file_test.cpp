#include "export/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace k7r {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class OutputFile : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(K7R_BINARY_DIR) / "tests" / "export" /
               testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    fs::path dir_;
};

TEST(ToCrLf, AddsCrOnlyWhereItIsMissing) {
    EXPECT_EQ(ToCrLf("a\nb\r\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(ToCrLf("\n"), "\r\n");
    EXPECT_EQ(ToCrLf("no line end"), "no line end");
}

TEST_F(OutputFile, ReplacesAnExistingFileWithTheWholeData) {
    const std::string path = (dir_ / "appcfg.h").string();
    std::ofstream(path) << "an older and much longer content that must not survive";
    std::string message;
    ASSERT_TRUE(WriteOutputFile(path, "new\r\n", message));
    EXPECT_EQ(ReadFile(path), "new\r\n");
    EXPECT_TRUE(message.empty());
}

TEST_F(OutputFile, ReportsATargetThatCannotBeCreated) {
    const std::string path = (dir_ / "missing" / "chip.h").string();
    std::string message;
    EXPECT_FALSE(WriteOutputFile(path, "text", message));
    EXPECT_EQ(message, "Failed to create file " + path);
    EXPECT_FALSE(fs::exists(path));
}

} // namespace
} // namespace k7r
