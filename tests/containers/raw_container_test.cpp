#include "config/byte_order.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/messages.h"
#include "containers/raw_container.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>

namespace k7r {
namespace {

using test::Bytes;
using test::ImageWithRecords;

struct Search {
    int result;
    std::string_view message;
    std::size_t offset = 0;
};

Search Find(const Bytes& data, bool verify = true, HAL_STRUCT* destination = nullptr) {
    Search search{};
    search.result = FindRecordRaw(destination, data, verify, search.message, &search.offset);
    return search;
}

HAL_STRUCT Unconfigured() {
    return TemplateRecord;
}

HAL_STRUCT Corrupted() {
    HAL_STRUCT record = ViewerRecord;
    record.Regs[3].Value ^= 0x100;
    return record;
}

TEST(FindRecordRaw, FindsARecordAtEveryOffsetThatLeavesAByteAfterIt) {
    constexpr std::size_t size = HAL_RECORD_SIZE + 300;
    for (std::size_t offset = 0; offset + HAL_RECORD_SIZE < size; ++offset) {
        const Search search = Find(ImageWithRecords(size, ViewerRecord, {offset}));
        ASSERT_EQ(search.result, kRecordFound) << "at offset " << offset;
        EXPECT_EQ(search.offset, offset);
    }
}

TEST(FindRecordRaw, FindsTheMarkerAmongNearMisses) {
    // Every byte pair and prefix of the marker around the record.
    const std::string_view marker(HAL_ID_STRING, kMarkerLength);
    for (std::size_t offset : {0u, 1u, 31u, 32u, 127u, 128u, 129u, 200u, 1000u}) {
        Bytes data = ImageWithRecords(offset + HAL_RECORD_SIZE + 200, ViewerRecord, {});
        for (std::size_t i = 0; i < data.size(); ++i) {
            data[i] = static_cast<std::uint8_t>(marker[i % 13 % (i % 7 + 1)]);
        }
        std::memcpy(data.data() + offset, &ViewerRecord, sizeof ViewerRecord);
        const Search search = Find(data);
        ASSERT_EQ(search.result, kRecordFound) << "at offset " << offset;
        EXPECT_EQ(search.offset, offset);
    }
}

TEST(FindRecordRaw, DoesNotFindARecordThatEndsTheData) {
    const Search atEnd = Find(ImageWithRecords(HAL_RECORD_SIZE + 5, ViewerRecord, {5}));
    EXPECT_EQ(atEnd.result, kNoRecord);
    EXPECT_EQ(atEnd.message, messages::kNoConfigData);
    const Search alone = Find(ImageWithRecords(HAL_RECORD_SIZE, ViewerRecord, {0}));
    EXPECT_EQ(alone.result, kNoRecord);
    EXPECT_EQ(Find(Bytes{}).result, kNoRecord);
}

TEST(FindRecordRaw, CopiesTheRecordAsStored) {
    HAL_STRUCT bigEndian = ViewerRecord;
    ByteSwapRecord(bigEndian);
    HAL_STRUCT found{};
    const Search search = Find(ImageWithRecords(4096, bigEndian, {1000}), false, &found);
    ASSERT_EQ(search.result, kRecordFound);
    EXPECT_EQ(std::memcmp(&found, &bigEndian, sizeof found), 0);
}

TEST(FindRecordRaw, TellsUnconfiguredFromCorruptedOnlyWhenVerifying) {
    const Bytes unconfigured = ImageWithRecords(2000, Unconfigured(), {100});
    EXPECT_EQ(Find(unconfigured).result, kRecordRefused);
    EXPECT_EQ(Find(unconfigured).message, messages::kNotConfigured);
    EXPECT_EQ(Find(unconfigured, false).result, kRecordFound);

    const Bytes corrupted = ImageWithRecords(2000, Corrupted(), {100});
    EXPECT_EQ(Find(corrupted).result, kRecordRefused);
    EXPECT_EQ(Find(corrupted).message, messages::kCorrupted);
    EXPECT_EQ(Find(corrupted, false).result, kRecordFound);
}

TEST(FindRecordRaw, ChecksABigEndianCrcInTheRecordsByteOrder) {
    HAL_STRUCT record = ViewerRecord;
    ByteSwapRecord(record);
    record.Crc = Swap16(ComputeRecordCrc(record));
    EXPECT_EQ(Find(ImageWithRecords(2000, record, {7})).result, kRecordFound);
    record.Crc = Swap16(record.Crc);
    EXPECT_EQ(Find(ImageWithRecords(2000, record, {7})).message, messages::kCorrupted);
}

TEST(FindRecordRaw, RefusesTwoRecordsHoweverTheFirstOneChecks) {
    const std::vector<std::size_t> twoPlaces = {10, 3000};
    for (const HAL_STRUCT& first : {ViewerRecord, Unconfigured(), Corrupted()}) {
        Bytes data = ImageWithRecords(5000, first, twoPlaces);
        std::memcpy(data.data() + twoPlaces[1], &ViewerRecord, sizeof ViewerRecord);
        const Search search = Find(data);
        EXPECT_EQ(search.result, kRecordRefused);
        EXPECT_EQ(search.message, messages::kMultipleStructs);
    }
    // A good record followed by a bad one, too.
    Bytes data = ImageWithRecords(5000, ViewerRecord, twoPlaces);
    const HAL_STRUCT corrupted = Corrupted();
    std::memcpy(data.data() + twoPlaces[1], &corrupted, sizeof corrupted);
    EXPECT_EQ(Find(data).message, messages::kMultipleStructs);
}

TEST(FindRecordRaw, SkipsAMarkerWithoutAByteOrderMarkSilently) {
    HAL_STRUCT notARecord = ViewerRecord;
    notARecord.EndianMark = 0x1235;
    const Search alone = Find(ImageWithRecords(2000, notARecord, {0}));
    EXPECT_EQ(alone.result, kNoRecord);
    EXPECT_EQ(alone.message, messages::kNoConfigData);

    Bytes data = ImageWithRecords(3000, notARecord, {0});
    std::memcpy(data.data() + 1000, &ViewerRecord, sizeof ViewerRecord);
    EXPECT_EQ(Find(data).result, kRecordFound);
}

TEST(FindRecordRaw, RefusesAWrongSizeUnlessAGoodRecordComesAfterIt) {
    HAL_STRUCT wrongSize = ViewerRecord;
    wrongSize.Size = HAL_RECORD_SIZE - 8;
    const Search alone = Find(ImageWithRecords(2000, wrongSize, {0}));
    EXPECT_EQ(alone.result, kRecordRefused);
    EXPECT_EQ(alone.message, messages::kBadStructSize);

    Bytes data = ImageWithRecords(3000, wrongSize, {0});
    std::memcpy(data.data() + 1000, &ViewerRecord, sizeof ViewerRecord);
    const Search goodAfter = Find(data);
    EXPECT_EQ(goodAfter.result, kRecordFound);
    EXPECT_EQ(goodAfter.offset, 1000u);

    data = ImageWithRecords(3000, ViewerRecord, {0});
    std::memcpy(data.data() + 1000, &wrongSize, sizeof wrongSize);
    EXPECT_EQ(Find(data).result, kRecordFound);
}

TEST(FindRecordRaw, NeedsTheWholeMarkerWithItsNul) {
    Bytes data = ImageWithRecords(2000, ViewerRecord, {100});
    data[100 + 13] = ' ';
    EXPECT_EQ(Find(data).result, kNoRecord);
    // A marker cut off by the end of the data is no record either.
    Bytes tail(900, 0);
    std::memcpy(tail.data() + 890, HAL_ID_STRING, 10);
    EXPECT_EQ(Find(tail).result, kNoRecord);
}

TEST(WriteRecordRaw, ReplacesTheRecordInPlaceWithoutCheckingIt) {
    Bytes data = ImageWithRecords(3000, Corrupted(), {500});
    const Bytes before = data;
    HAL_STRUCT outgoing = ViewerRecord;
    outgoing.ClkI = 12345678;
    std::size_t length = data.size();
    std::string_view message;
    ASSERT_EQ(WriteRecordRaw(outgoing, data, length, message), kRecordFound);
    EXPECT_EQ(length, before.size());
    EXPECT_EQ(std::memcmp(data.data() + 500, &outgoing, sizeof outgoing), 0);
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + 500, before.begin()));
    EXPECT_TRUE(std::equal(data.begin() + 500 + HAL_RECORD_SIZE, data.end(),
                           before.begin() + 500 + HAL_RECORD_SIZE));
}

TEST(WriteRecordRaw, LeavesDataWithoutOneRecordAlone) {
    Bytes data = ImageWithRecords(3000, ViewerRecord, {0, 1500});
    const Bytes before = data;
    std::size_t length = data.size();
    std::string_view message;
    EXPECT_EQ(WriteRecordRaw(TemplateRecord, data, length, message), kRecordRefused);
    EXPECT_EQ(message, messages::kMultipleStructs);
    EXPECT_EQ(data, before);
}

} // namespace
} // namespace k7r
