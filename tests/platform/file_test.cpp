#include "platform/file.h"
#include "platform/file_mapping.h"
#include "platform/file_scan.h"
#include "platform/replacement_file.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace k7r::platform {
namespace {

namespace fs = std::filesystem;

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

#ifdef _WIN32
// The command line's tests give every command things that are not files on
// POSIX systems.
TEST(FileOpen, RefusesWhatIsNotARegularFile) {
    const std::pair<std::string, Refusal> cases[] = {
        {test::ScratchDirectory(), Refusal::Directory},
        {"NUL", Refusal::Device},
    };
    for (const auto& [path, refusal] : cases) {
        for (FileAccess access : {FileAccess::Read, FileAccess::ReadWrite}) {
            const Result<std::optional<File>> file = File::OpenIfExists(path, access);
            ASSERT_FALSE(file) << path;
            EXPECT_EQ(file.error().refusal, refusal) << path;
        }
    }
}
#endif

// The lock keeps saves apart and readers out of a save, but not the reads
// and writes of programs that do not ask for it.
TEST(FileLock, ASaveHoldsAFileAloneWhileReadersShareIt) {
    const std::string path = test::ScratchDirectory() + "/locked.bin";
    test::WriteFileBytes(path, {1, 2, 3});
    auto open = [&](FileAccess access) { return std::move(*File::Open(path, access)); };
    File saver = open(FileAccess::ReadWrite);
    {
        File reader = open(FileAccess::Read);
        File another = open(FileAccess::Read);
        ASSERT_TRUE(reader.TryLock(FileLock::Shared));
        ASSERT_TRUE(another.TryLock(FileLock::Shared));
        EXPECT_EQ(saver.TryLock(FileLock::Exclusive).error().refusal, Refusal::InUse);
    }
    ASSERT_TRUE(saver.TryLock(FileLock::Exclusive));
    File late = open(FileAccess::Read);
    EXPECT_EQ(late.TryLock(FileLock::Shared).error().refusal, Refusal::InUse);
    auto content = [&] {
        const FileMapping view = std::move(*FileMapping::MapReadOnly(late, 3));
        return test::Bytes(view.bytes().begin(), view.bytes().end());
    };
    EXPECT_EQ(content(), (test::Bytes{1, 2, 3}));
    ASSERT_TRUE(saver.ReplaceBytesAt(1, test::Bytes{9}));
    EXPECT_EQ(content(), (test::Bytes{1, 9, 3}));
}

// Every opening of a file sees one version until its bytes, length or last
// write time change.
TEST(FileVersion, ChangesWithTheContentsLengthOrWriteTime) {
    const std::string path = test::ScratchDirectory() + "/versioned.bin";
    test::WriteFileBytes(path, {1, 2, 3});
    File file = std::move(*File::Open(path, FileAccess::ReadWrite));
    const FileVersion first = *file.Version();
    EXPECT_EQ(*File::Open(path, FileAccess::Read)->Version(), first);
    EXPECT_EQ(first.length, 3u);

    FileTimes times = *file.Times();
    times.lastWrite.seconds += 1;
    ASSERT_TRUE(file.SetTimes(times));
    const FileVersion touched = *file.Version();
    EXPECT_NE(touched, first);
    EXPECT_EQ(touched.index, first.index);

    test::WriteFileBytes(path, {1, 2, 3, 4});
    EXPECT_EQ(File::Open(path, FileAccess::Read)->Version()->length, 4u);
}

// A scan may release whatever it has read: a file's view, whole or in
// part and from any byte, reads the same again, and other memory keeps its
// content.
TEST(FileMapping, ReleasedBytesReadTheSameAgain) {
    const test::Bytes content = test::Numbered(5 * 4096 + 123);
    const std::string path = test::ScratchDirectory() + "/released.bin";
    test::WriteFileBytes(path, content);
    File file = std::move(*File::Open(path, FileAccess::Read));
    const FileMapping view = std::move(*FileMapping::MapReadOnly(file, content.size()));
    const std::span<const std::uint8_t> bytes = view.bytes();
    ASSERT_TRUE(std::equal(bytes.begin(), bytes.end(), content.begin()));
    ReleaseScanned(bytes.subspan(100, 2 * 4096));
    ReleaseScanned(bytes);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), content.begin()));
    EXPECT_TRUE(view.Intact());

    test::Bytes memory = content;
    ReleaseScanned(memory);
    EXPECT_EQ(memory, content);
}

// Each piece starts with what the reader asked to see again; together the
// pieces give the file from the offset on, whatever their size.
TEST(FileScan, HandsOutTheFileInPiecesThatRepeatWhatWasKept) {
    const test::Bytes content = test::Numbered(5000);
    const std::string path = test::ScratchDirectory() + "/scanned.bin";
    test::WriteFileBytes(path, content);
    const File file = std::move(*File::Open(path, FileAccess::Read));
    for (const std::size_t pieceSize :
         {std::size_t{1}, std::size_t{7}, std::size_t{4096}, kScanPieceSize}) {
        for (const std::uint64_t from : {0, 1234}) {
            FileScan scan(file, content.size(), ScanBy::Reading, pieceSize, from);
            std::uint64_t at = from;
            std::size_t keep = 0;
            for (std::span<const std::uint8_t> piece; !(piece = scan.Next(keep)).empty();) {
                ASSERT_GT(piece.size(), keep);
                ASSERT_TRUE(std::equal(piece.begin(), piece.end(), content.begin() + (at - keep)))
                    << pieceSize << " at " << at;
                at += piece.size() - keep;
                keep = std::min<std::size_t>(piece.size(), 1 + at % 700);
            }
            EXPECT_EQ(at, content.size());
            EXPECT_TRUE(scan.AtEnd());
            EXPECT_FALSE(scan.Failure());
        }
    }
}

#ifndef _WIN32
// Another program cuts the file to 100 bytes while it is mapped: on POSIX
// its later pages would end the reader with SIGBUS.
TEST(FileMapping, AFileShortenedUnderItsViewReadsAsZerosAndIsNoLongerIntact) {
    const std::string path = test::ScratchDirectory() + "/shrinks.bin";
    test::WriteFileBytes(path, test::Bytes(3 * 4096, 0x5A));
    File file = std::move(*File::Open(path, FileAccess::Read));
    const Result<FileMapping> mapping = FileMapping::MapReadOnly(file, 3 * 4096);
    ASSERT_TRUE(mapping);
    ASSERT_EQ(::truncate(path.c_str(), 100), 0);
    const std::span<const std::uint8_t> bytes = mapping->bytes();
    EXPECT_EQ(bytes[99], 0x5A);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0x5A), 100);
    EXPECT_FALSE(mapping->Intact());
    EXPECT_TRUE(FileMapping::MapReadOnly(file, 100)->Intact());
}
#endif

TEST(ReplacementFile, TakesTheFilesPlaceOnlyOnceCommitted) {
    const std::string dir = test::ScratchDirectory();
    const std::string path = dir + "/target.bin";
    test::WriteFileBytes(path, {1, 2, 3});
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        ReplacementFile givenUp = std::move(*ReplacementFile::Create(path));
        ASSERT_TRUE(givenUp.Append(test::Bytes{9, 9}));
        EXPECT_EQ(test::EntriesIn(dir), 2);
    }
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{1, 2, 3}));
    EXPECT_EQ(test::EntriesIn(dir), 1);

    File old = std::move(*File::Open(path, FileAccess::ReadWrite));
    const FileVersion oldVersion = *old.Version();
    FileTimes times = *old.Times();
    times.lastWrite = {1600000000, 500};
    ReplacementFile replacement = std::move(*ReplacementFile::Create(path));
    ASSERT_TRUE(replacement.Append(test::Bytes{7}));
    ASSERT_TRUE(replacement.Append(test::Bytes{8}));
    ASSERT_TRUE(replacement.TakeAttributes(old, AttributeUse::SameFile));
    ASSERT_TRUE(replacement.SetTimes(times));
    const FileVersion newVersion = *replacement.Version();
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{1, 2, 3}));
    ASSERT_TRUE(replacement.Commit(std::move(old)));

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
    ReplacementFile replacement = std::move(*ReplacementFile::Create(dir + "/target.bin"));
    ASSERT_TRUE(replacement.AppendCopy(from, 100000, 100000));
    ASSERT_TRUE(replacement.Append(test::Bytes{7}));
    ASSERT_TRUE(replacement.AppendCopy(from, 5, 3));
    ASSERT_TRUE(replacement.Commit(std::nullopt));
    test::Bytes expected(source.begin() + 100000, source.end());
    expected.push_back(7);
    expected.insert(expected.end(), source.begin() + 5, source.begin() + 8);
    EXPECT_EQ(test::ReadFileBytes(dir + "/target.bin"), expected);

    ReplacementFile past = std::move(*ReplacementFile::Create(dir + "/target.bin"));
    EXPECT_EQ(past.AppendCopy(from, 199999, 2).error().refusal, Refusal::ChangedWhileRead);
}

#ifndef _WIN32
// As writing through the link would have changed that file.
TEST(ReplacementFile, ReplacesTheFileASymbolicLinkLeadsTo) {
    const std::string dir = test::ScratchDirectory();
    fs::create_directory(dir + "/real");
    test::WriteFileBytes(dir + "/real/target.bin", {1});
    fs::create_symlink("real/target.bin", dir + "/link.bin");
    ReplacementFile replacement = std::move(*ReplacementFile::Create(dir + "/link.bin"));
    ASSERT_TRUE(replacement.Append(test::Bytes{2}));
    ASSERT_TRUE(replacement.Commit(std::nullopt));
    EXPECT_TRUE(fs::is_symlink(dir + "/link.bin"));
    EXPECT_EQ(test::ReadFileBytes(dir + "/real/target.bin"), test::Bytes{2});
}
#endif

} // namespace
} // namespace k7r::platform
