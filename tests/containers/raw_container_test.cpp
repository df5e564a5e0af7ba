#include "config/byte_order.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/messages.h"
#include "containers/raw_container.h"
#include "platform/file.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>

// Writing is covered through real files by config_file_test.
namespace k7r::containers {
namespace {

using test::Bytes;

// size bytes of filler made of pieces of the marker, so that the search
// meets false starts everywhere, with each record at its offset.
Bytes Image(std::size_t size, std::initializer_list<std::pair<HAL_STRUCT, std::size_t>> records) {
    const std::string_view marker(HAL_ID_STRING, config::kMarkerLength);
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i) {
        data[i] = static_cast<std::uint8_t>(marker[i % 13 % (i % 7 + 1)]);
    }
    for (const auto& [record, offset] : records) {
        std::memcpy(data.data() + offset, &record, sizeof record);
    }
    return data;
}

// Wherever a piece ends inside the record, the record is found, and so is
// a second one behind it: whole and in pieces in memory at every offset, in
// a file read through a small buffer at some.
TEST(FindRecordRaw, FindsTheRecordWhereverAPieceEndCutsIt) {
    constexpr std::size_t kPiece = 1000;
    const std::string path = test::ScratchDirectory() + "/cut.exe";
    auto find = [&](const Bytes& data, std::size_t pieceSize, bool alsoInFile) {
        std::string_view message;
        std::uint64_t found = 0;
        const int result =
            FindRecordRaw(nullptr, ImageSource(data, pieceSize), true, message, &found);
        std::uint64_t whole = 0;
        EXPECT_EQ(FindRecordRaw(nullptr, ImageSource(data), true, message, &whole), result);
        EXPECT_EQ(whole, found);
        if (alsoInFile) {
            test::WriteFileBytes(path, data);
            const auto file = platform::File::Open(path, platform::FileAccess::Read);
            std::uint64_t inFile = 0;
            EXPECT_EQ(FindRecordRaw(nullptr, ImageSource(*file, data.size(), pieceSize), true,
                                    message, &inFile),
                      result);
            EXPECT_EQ(inFile, found);
        }
        return std::pair(result, found);
    };
    for (std::size_t before = 1; before < HAL_RECORD_SIZE; ++before) {
        const std::size_t offset = kPiece - before;
        const bool alsoInFile = before % 61 == 1 || before == HAL_RECORD_SIZE - 1;
        EXPECT_EQ(find(Image(3 * kPiece, {{ViewerRecord, offset}}), kPiece, alsoInFile),
                  std::pair(kRecordFound, std::uint64_t{offset}))
            << before;
        EXPECT_EQ(find(Image(3 * kPiece, {{ViewerRecord, 10}, {ViewerRecord, offset + kPiece}}),
                       kPiece, alsoInFile)
                      .first,
                  kRecordRefused)
            << before;
    }
    for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{7}, platform::kScanPieceSize}) {
        EXPECT_EQ(find(Image(2000, {{ViewerRecord, 1000}}), pieceSize, true),
                  std::pair(kRecordFound, std::uint64_t{1000}));
    }
}

// A file too short for a record with a byte behind it holds none; one that
// another program cut under the search is a failure to read, not a file
// without a record.
TEST(FindRecordRaw, TellsAShortFileFromOneCutWhileRead) {
    const std::string path = test::ScratchDirectory() + "/short.exe";
    const Bytes whole = Image(2000, {{ViewerRecord, 1000}});
    const struct {
        std::size_t from, length, size;
    } files[] = {{1000, 0, 0},
                 {1000, 100, 100},
                 {1000, HAL_RECORD_SIZE, HAL_RECORD_SIZE},
                 {0, 1200, whole.size()}};
    for (const auto& [from, length, size] : files) {
        test::WriteFileBytes(path, Bytes(whole.begin() + from, whole.begin() + from + length));
        const auto file = platform::File::Open(path, platform::FileAccess::Read);
        const ImageSource source(*file, size, 64);
        std::string_view message;
        EXPECT_EQ(FindRecordRaw(nullptr, source, true, message), kNoRecord) << length;
        EXPECT_EQ(source.Failure().has_value(), length < size) << length;
        if (source.Failure()) {
            EXPECT_EQ(source.Failure()->refusal, platform::Refusal::ChangedWhileRead);
        }
    }
}

TEST(FindRecordRaw, AnswersForEachKindOfCandidate) {
    const HAL_STRUCT& good = ViewerRecord;
    const HAL_STRUCT& unconfigured = TemplateRecord;
    HAL_STRUCT corrupted = ViewerRecord;
    corrupted.Regs[3].Value ^= 0x100;
    HAL_STRUCT bigEndian = ViewerRecord;
    config::ByteSwapRecord(bigEndian);
    bigEndian.Crc = config::Swap16(config::ComputeRecordCrc(bigEndian));
    HAL_STRUCT bigEndianUnswappedCrc = bigEndian;
    bigEndianUnswappedCrc.Crc = config::Swap16(bigEndian.Crc);
    HAL_STRUCT noByteOrderMark = ViewerRecord;
    noByteOrderMark.EndianMark = 0x1235;
    HAL_STRUCT wrongSize = ViewerRecord;
    wrongSize.Size = HAL_RECORD_SIZE - 8;
    Bytes markerWithoutNul = Image(2000, {{good, 100}});
    markerWithoutNul[100 + 13] = ' ';
    constexpr std::size_t size = HAL_RECORD_SIZE;
    using namespace messages;

    const struct {
        const char* what;
        Bytes data;
        int result;
        std::uint64_t offset = 0;
        std::string_view message = {};
    } cases[] = {
        {"no data", {}, kNoRecord, 0, kNoConfigData},
        {"a record that is all the data", Image(size, {{good, 0}}), kNoRecord, 0, kNoConfigData},
        {"a record that ends the data", Image(size + 5, {{good, 5}}), kNoRecord, 0, kNoConfigData},
        {"a marker without its NUL", markerWithoutNul, kNoRecord, 0, kNoConfigData},
        {"no byte order mark", Image(2000, {{noByteOrderMark, 0}}), kNoRecord, 0, kNoConfigData},
        {"no byte order mark, then a record", Image(3000, {{noByteOrderMark, 0}, {good, 1000}}),
         kRecordFound, 1000},
        {"unconfigured", Image(2000, {{unconfigured, 100}}), kRecordRefused, 0, kNotConfigured},
        {"corrupted", Image(2000, {{corrupted, 100}}), kRecordRefused, 0, kCorrupted},
        {"big-endian", Image(2000, {{bigEndian, 7}}), kRecordFound, 7},
        {"big-endian, Crc little-endian", Image(2000, {{bigEndianUnswappedCrc, 7}}), kRecordRefused,
         0, kCorrupted},
        {"wrong size", Image(2000, {{wrongSize, 0}}), kRecordRefused, 0, kBadStructSize},
        {"wrong size, then a record", Image(3000, {{wrongSize, 0}, {good, 1000}}), kRecordFound,
         1000},
        {"a record, then wrong size", Image(3000, {{good, 0}, {wrongSize, 1000}}), kRecordFound},
        {"two records", Image(5000, {{good, 10}, {good, 3000}}), kRecordRefused, 0,
         kMultipleStructs},
        {"unconfigured, then a record", Image(5000, {{unconfigured, 10}, {good, 3000}}),
         kRecordRefused, 0, kMultipleStructs},
        {"corrupted, then a record", Image(5000, {{corrupted, 10}, {good, 3000}}), kRecordRefused,
         0, kMultipleStructs},
        {"a record, then a corrupted one", Image(5000, {{good, 10}, {corrupted, 3000}}),
         kRecordRefused, 0, kMultipleStructs},
    };
    for (const auto& c : cases) {
        HAL_STRUCT found{};
        std::string_view message;
        std::uint64_t offset = 0;
        EXPECT_EQ(FindRecordRaw(&found, ImageSource(c.data), true, message, &offset), c.result)
            << c.what;
        if (c.result == kRecordFound) {
            EXPECT_EQ(offset, c.offset) << c.what;
            EXPECT_EQ(std::memcmp(&found, c.data.data() + offset, sizeof found), 0) << c.what;
        } else {
            EXPECT_EQ(message, c.message) << c.what;
        }
    }
}

} // namespace
} // namespace k7r::containers
