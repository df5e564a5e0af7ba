#include "platform/file.h"
#include "platform/file_mapping.h"
#include "platform/file_ops.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::platform {
namespace {

TEST(ErrorText, IsTheSystemsOwnTextWithoutALineEnd) {
    const Result<File> missing =
        File::Open(test::ScratchDirectory() + "/missing", FileAccess::Read);
    ASSERT_FALSE(missing);
    const std::string text = ErrorText(missing.error());
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_EQ(text, ErrorText({2})); // file not found on both systems
}

TEST(FileTimes, AreWrittenAndReadBackExactly) {
    const std::string path = test::ScratchDirectory() + "/times.bin";
    test::WriteFileBytes(path, {1, 2, 3});
    Result<File> file = File::Open(path, FileAccess::ReadWrite);
    ASSERT_TRUE(file);
    FileTimes times = *file->Times();
    times.lastAccess = {1500000000, 100};
    times.lastWrite = {1600000000, 999999900};
    ASSERT_TRUE(file->SetTimes(times));
    const FileTimes read = *file->Times();
    EXPECT_EQ(read.lastAccess, times.lastAccess);
    EXPECT_EQ(read.lastWrite, times.lastWrite);
}

TEST(NameSameFile, SeesThroughSpellings) {
    const std::string dir = test::ScratchDirectory();
    test::WriteFileBytes(dir + "/a.bin", {1, 2, 3});
    EXPECT_TRUE(NameSameFile(dir + "/a.bin", dir + "/./a.bin"));
    EXPECT_FALSE(NameSameFile(dir + "/a.bin", dir + "/b.bin"));
}

} // namespace
} // namespace k7r::platform
