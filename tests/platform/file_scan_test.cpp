#include "platform/file_scan.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::platform {
namespace {

test::Bytes Numbered(std::size_t size) {
    test::Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 13 + i / 251);
    }
    return bytes;
}

// Each piece starts with what the reader asked to see again; together the
// pieces give the file from the offset on, whatever their size.
TEST(FileScan, HandsOutTheFileInPiecesThatRepeatWhatWasKept) {
    const test::Bytes content = Numbered(5000);
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

} // namespace
} // namespace k7r::platform
