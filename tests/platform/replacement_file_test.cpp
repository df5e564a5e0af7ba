#include "platform/file.h"
#include "platform/replacement_file.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::platform {
namespace {

namespace fs = std::filesystem;

TEST(ReplacementFile, TakesTheFilesPlaceOnlyOnceCommitted) {
    const std::string dir = test::ScratchDirectory();
    const std::string path = dir + "/target.bin";
    test::WriteFileBytes(path, {1, 2, 3});
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        Result<ReplacementFile> givenUp = ReplacementFile::Create(path);
        ASSERT_TRUE(givenUp);
        ASSERT_TRUE(givenUp->Append(test::Bytes{9, 9}));
        EXPECT_EQ(test::EntriesIn(dir), 2);
    }
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{1, 2, 3}));
    EXPECT_EQ(test::EntriesIn(dir), 1);

    Result<File> old = File::Open(path, FileAccess::ReadWrite);
    ASSERT_TRUE(old);
    const FileVersion oldVersion = *old->Version();
    FileTimes times = *old->Times();
    times.lastWrite = {1600000000, 500};
    Result<ReplacementFile> replacement = ReplacementFile::Create(path);
    ASSERT_TRUE(replacement);
    ASSERT_TRUE(replacement->Append(test::Bytes{7}));
    ASSERT_TRUE(replacement->Append(test::Bytes{8}));
    ASSERT_TRUE(replacement->TakeAttributes(*old, AttributeUse::SameFile));
    ASSERT_TRUE(replacement->SetTimes(times));
    const FileVersion newVersion = *replacement->Version();
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{1, 2, 3}));
    ASSERT_TRUE(replacement->Commit(std::move(*old)));

    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{7, 8}));
    EXPECT_EQ(test::EntriesIn(dir), 1);
    EXPECT_EQ(File::Open(path, FileAccess::Read)->Times()->lastWrite, times.lastWrite);
    EXPECT_EQ(*File::Open(path, FileAccess::Read)->Version(), newVersion);
    EXPECT_NE(newVersion.index, oldVersion.index) << "another file now has the name";
#ifndef _WIN32
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
}

// Stretches of another file go in as they are; one that runs past that
// file's end is refused.
TEST(ReplacementFile, AppendsCopiesOfStretchesOfAnotherFile) {
    const std::string dir = test::ScratchDirectory();
    const test::Bytes source = test::Numbered(200000);
    test::WriteFileBytes(dir + "/source.bin", source);
    const File from = std::move(*File::Open(dir + "/source.bin", FileAccess::Read));
    Result<ReplacementFile> replacement = ReplacementFile::Create(dir + "/target.bin");
    ASSERT_TRUE(replacement);
    ASSERT_TRUE(replacement->AppendCopy(from, 100000, 100000));
    ASSERT_TRUE(replacement->Append(test::Bytes{7}));
    ASSERT_TRUE(replacement->AppendCopy(from, 5, 3));
    ASSERT_TRUE(replacement->Commit(std::nullopt));
    test::Bytes expected(source.begin() + 100000, source.end());
    expected.push_back(7);
    expected.insert(expected.end(), source.begin() + 5, source.begin() + 8);
    EXPECT_EQ(test::ReadFileBytes(dir + "/target.bin"), expected);

    Result<ReplacementFile> past = ReplacementFile::Create(dir + "/target.bin");
    ASSERT_TRUE(past);
    EXPECT_EQ(past->AppendCopy(from, 199999, 2).error().refusal, Refusal::ChangedWhileRead);
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
