#include "platform/executable_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::platform {
namespace {

TEST(ExecutableDirectory, HoldsTheRunningTestProgram) {
    const std::string directory = ExecutableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), kPathSeparator);
    bool found = false;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        found = found || entry.path().stem() == "platform_tests";
    }
    EXPECT_TRUE(found) << directory;
}

} // namespace
} // namespace k7r::platform
