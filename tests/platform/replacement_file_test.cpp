#include "platform/file.h"
#include "platform/replacement_file.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::platform {
namespace {

namespace fs = std::filesystem;

std::size_t EntriesIn(const std::string& directory) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

TEST(ReplacementFile, TakesTheFilesPlaceOnlyOnceCommitted) {
    const std::string dir = test::ScratchDirectory();
    const std::string path = dir + "/target.bin";
    test::WriteFileBytes(path, {1, 2, 3});
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        Result<ReplacementFile> givenUp = ReplacementFile::Create(path);
        ASSERT_TRUE(givenUp);
        ASSERT_TRUE(givenUp->Append(test::Bytes{9, 9}));
        EXPECT_EQ(EntriesIn(dir), 2u);
    }
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{1, 2, 3}));
    EXPECT_EQ(EntriesIn(dir), 1u);

    Result<File> old = File::Open(path, FileAccess::ReadWrite);
    ASSERT_TRUE(old);
    FileTimes times = *old->Times();
    times.lastWrite = {1600000000, 500};
    Result<ReplacementFile> replacement = ReplacementFile::Create(path);
    ASSERT_TRUE(replacement);
    ASSERT_TRUE(replacement->Append(test::Bytes{7}));
    ASSERT_TRUE(replacement->Append(test::Bytes{8}));
    ASSERT_TRUE(replacement->TakeAttributes(*old, AttributeUse::SameFile));
    ASSERT_TRUE(replacement->SetTimes(times));
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{1, 2, 3}));
    ASSERT_TRUE(replacement->Commit(std::move(*old)));

    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{7, 8}));
    EXPECT_EQ(EntriesIn(dir), 1u);
    EXPECT_EQ(File::Open(path, FileAccess::Read)->Times()->lastWrite, times.lastWrite);
#ifndef _WIN32
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
}

#ifndef _WIN32
// As writing through the link would have changed that file.
TEST(ReplacementFile, ReplacesTheFileASymbolicLinkLeadsTo) {
    const std::string dir = test::ScratchDirectory();
    fs::create_directory(dir + "/real");
    test::WriteFileBytes(dir + "/real/target.bin", {1});
    fs::create_symlink("real/target.bin", dir + "/link.bin");
    Result<ReplacementFile> replacement = ReplacementFile::Create(dir + "/link.bin");
    ASSERT_TRUE(replacement);
    ASSERT_TRUE(replacement->Append(test::Bytes{2}));
    ASSERT_TRUE(replacement->Commit(std::nullopt));
    EXPECT_TRUE(fs::is_symlink(dir + "/link.bin"));
    EXPECT_EQ(test::ReadFileBytes(dir + "/real/target.bin"), test::Bytes{2});
}
#endif

} // namespace
} // namespace k7r::platform
