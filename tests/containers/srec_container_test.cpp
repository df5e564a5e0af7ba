#include "containers/messages.h"
#include "containers/srec_container.h"
#include "tests/containers/container_builders.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace k7r {
namespace {

using namespace test;

struct Saved {
    int result;
    std::string_view message;
    std::string text; // the file as it stands afterwards
};

Saved Save(std::string_view file, const HAL_STRUCT& record) {
    std::vector<std::uint8_t> image = test::WithGrowthRoom(BytesOf(file));
    std::size_t length = file.size();
    std::string_view message;
    const int result = WriteRecordSrec(record, image, length, message);
    return {result, message, std::string(TextOf(std::span(image).first(length)))};
}

int Find(std::string_view text, std::string_view& message, HAL_STRUCT* found = nullptr) {
    return FindRecordSrec(found, BytesOf(text), true, message);
}

class SrecContainer : public ::testing::Test {
  protected:
    const HAL_STRUCT oldRecord = test::ConfiguredRecord(25000000);
    const HAL_STRUCT newRecord = test::ConfiguredRecord(40000000);
    const std::vector<std::uint8_t> payload = PayloadWith(oldRecord);
    std::string_view message;
};

TEST_F(SrecContainer, FindsAndRewritesARecordStraddlingS1AndS2Lines) {
    const std::string file = SrecText(payload, "\n", 10);
    HAL_STRUCT found{};
    ASSERT_EQ(Find(file, message, &found), kRecordFound);
    EXPECT_EQ(std::memcmp(&found, &oldRecord, sizeof found), 0);

    const Saved saved = Save(file, newRecord);
    ASSERT_EQ(saved.result, kRecordFound);
    EXPECT_EQ(saved.text, SrecText(PayloadWith(newRecord), "\n", 10));
    ASSERT_EQ(Find(saved.text, message, &found), kRecordFound);
    EXPECT_EQ(std::memcmp(&found, &newRecord, sizeof found), 0);
}

TEST_F(SrecContainer, WritesBigEndianRecordsAsTheyAre) {
    const HAL_STRUCT stored = test::OutgoingRecord(oldRecord, true);
    const HAL_STRUCT outgoing = test::OutgoingRecord(newRecord, true);
    const Saved saved = Save(SrecText(PayloadWith(stored)), outgoing);
    ASSERT_EQ(saved.result, kRecordFound);
    EXPECT_EQ(saved.text, SrecText(PayloadWith(outgoing)));
}

TEST_F(SrecContainer, LowerCaseHexComesBackUpperCaseWithTheSameLength) {
    std::string file = SrecText(payload);
    for (char& c : file) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == 's') {
            c = 'S';
        }
    }
    ASSERT_EQ(Find(file, message), kRecordFound);
    const Saved saved = Save(file, oldRecord);
    EXPECT_EQ(saved.text, SrecText(payload));
}

TEST_F(SrecContainer, TheFirstLineEndEndsEveryLine) {
    std::string file = SrecText(payload);
    file.insert(file.find('\n'), "\r");
    EXPECT_EQ(Save(file, oldRecord).text, SrecText(payload, "\r\n"));

    file = SrecText(payload);
    file.pop_back();
    EXPECT_EQ(Save(file, oldRecord).text, SrecText(payload)) << "a final line end is added";

    file = SrecText(payload);
    file.insert(file.find('\n'), "\n");
    file.insert(file.rfind("S9"), "\n");
    EXPECT_EQ(Save(file, oldRecord).text, SrecText(payload, "\n\n"))
        << "a blank line after the first line joins the terminator; later ones vanish";
}

TEST_F(SrecContainer, KeepsOtherLinesCharacterForCharacter) {
    const std::string kept[] = {"; built by hand", "S4 not a record", "S6030000FC", "Sx",
                                "\tindented"};
    std::string file = SrecText(payload);
    std::string expected = file;
    for (const std::string& line : kept) {
        file.insert(file.find("S1"), line + "\n");
        expected.insert(expected.find("S1"), line + "\n");
    }
    file.insert(file.find('\n', file.find("S1")), "   ");
    const std::size_t split = expected.find('\n', expected.find("S1"));
    expected.insert(split, "\n   ");

    const Saved saved = Save(file, oldRecord);
    ASSERT_EQ(saved.result, kRecordFound);
    EXPECT_EQ(saved.text, expected) << "spaces after a checksum come back on a line of their own";
}

TEST_F(SrecContainer, TextWithoutDataRecordsOrTooFewLinesIsNoSrecord) {
    const std::string onlyHeaders =
        SrecRecordLine('0', 0) + "\n" + SrecRecordLine('5', 0) + "\n" + SrecRecordLine('9', 0);
    EXPECT_EQ(Find(onlyHeaders, message), kNoRecord);
    EXPECT_EQ(message, messages::kNoConfigData);

    std::string twoLines = SrecRecordLine('1', 0, payload) + "\n" + SrecRecordLine('9', 0) + "\n";
    EXPECT_EQ(Find(twoLines, message), kNoRecord);

    std::string binary = SrecText(payload);
    binary[binary.rfind("S9") - 1] = '\x01';
    EXPECT_EQ(Find(binary, message), kNoRecord);
    EXPECT_EQ(Save(binary, newRecord).result, kNoRecord);
}

TEST_F(SrecContainer, RefusesCorruptLinesInsteadOfRepairingThem) {
    const std::string good = SrecText(payload);
    const std::size_t secondLine = good.find("S1", good.find("S1") + 1);
    const std::size_t lineEnd = good.find('\n', secondLine);
    struct Case {
        const char* what;
        std::string text;
    };
    std::string badChecksum = good;
    badChecksum[lineEnd - 1] = badChecksum[lineEnd - 1] == '0' ? '1' : '0';
    std::string badDigit = good;
    badDigit[secondLine + 12] = 'G';
    std::string cutShort = good;
    cutShort.erase(lineEnd - 4, 2);
    std::string countTooSmall = good;
    countTooSmall.insert(countTooSmall.rfind("S9"), "S102000000\n");
    std::string dataOnTermination = good;
    dataOnTermination.replace(dataOnTermination.rfind("S9"), std::string::npos,
                              SrecRecordLine('1', 0) + "\nS9040000AAFB\n");
    const std::string truncatedAtEnd = good.substr(0, good.size() - 3);

    const Case cases[] = {{"bad checksum", badChecksum},
                          {"bad hex digit", badDigit},
                          {"record cut short by its line end", cutShort},
                          {"count too small for the address", countTooSmall},
                          {"termination record with data", dataOnTermination},
                          {"record cut short by the end of the file", truncatedAtEnd}};
    for (const Case& c : cases) {
        EXPECT_EQ(Find(c.text, message), kRecordRefused) << c.what;
        EXPECT_EQ(message, messages::kSrecCorrupted) << c.what;
        const Saved saved = Save(c.text, newRecord);
        EXPECT_EQ(saved.result, kRecordRefused) << c.what;
        EXPECT_EQ(saved.text, c.text) << c.what;
    }
}

TEST_F(SrecContainer, ChecksTheS5CountAgainstTheDataRecordsBeforeIt) {
    const std::string file = SrecText(payload);
    const std::size_t dataLines = (payload.size() + 31) / 32;
    std::string counted = file;
    counted.insert(counted.rfind("S9"), SrecRecordLine('5', dataLines) + "\n");
    EXPECT_EQ(Find(counted, message), kRecordFound);

    std::string miscounted = file;
    miscounted.insert(miscounted.rfind("S9"), SrecRecordLine('5', dataLines - 1) + "\n");
    EXPECT_EQ(Find(miscounted, message), kRecordRefused);
    EXPECT_EQ(message, messages::kSrecBadCount);
}

TEST_F(SrecContainer, WritesIntoOtherLinesOnlyWhatTheyAlreadySay) {
    // The record's description stands in a comment line between data lines.
    HAL_STRUCT described = oldRecord;
    std::strcpy(described.Description, "; board rev B");
    const auto bytes = BytesOf(described);
    const std::size_t split = offsetof(HAL_STRUCT, Description);
    std::string file = SrecRecordLine('0', 0) + "\n";
    file += SrecRecordLine('1', 0, bytes.first(split)) + "\n";
    file += std::string(described.Description) + "\n";
    for (std::size_t at = split + std::strlen(described.Description); at < bytes.size(); at += 32) {
        const std::size_t n = std::min<std::size_t>(32, bytes.size() - at);
        file += SrecRecordLine('1', static_cast<std::uint32_t>(at), bytes.subspan(at, n)) + "\n";
    }
    file += SrecRecordLine('1', 0x1000, BytesOf("tail")) + "\n" + SrecRecordLine('9', 0) + "\n";
    ASSERT_EQ(Find(file, message), kRecordFound);

    HAL_STRUCT sameText = newRecord;
    std::strcpy(sameText.Description, described.Description);
    EXPECT_EQ(Save(file, sameText).result, kRecordFound);

    const Saved saved = Save(file, newRecord);
    EXPECT_EQ(saved.result, kRecordRefused);
    EXPECT_EQ(saved.message, messages::kSrecRecordInText);
    EXPECT_EQ(saved.text, file);
}

TEST_F(SrecContainer, RefusesARewriteThatOutgrowsTheGrowthRoom) {
    // Each of the ~30 lines gains the whole first line end of 2,500 bytes.
    std::string file = SrecText(payload);
    file.insert(file.find('\n'), std::string(2500, '\n'));
    const Saved saved = Save(file, newRecord);
    EXPECT_EQ(saved.result, kRecordRefused);
    EXPECT_EQ(saved.message, messages::kSrecTooLong);
    EXPECT_EQ(saved.text, file);
}

TEST_F(SrecContainer, PassesOnTheRecordSearchResults) {
    HAL_STRUCT unconfigured = oldRecord;
    unconfigured.Crc = 0;
    EXPECT_EQ(Find(SrecText(PayloadWith(unconfigured)), message), kRecordRefused);
    EXPECT_EQ(message, messages::kNotConfigured);

    std::vector<std::uint8_t> twice = payload;
    const auto again = BytesOf(oldRecord);
    twice.insert(twice.end(), again.begin(), again.end());
    twice.push_back(0);
    EXPECT_EQ(Find(SrecText(twice), message), kRecordRefused);
    EXPECT_EQ(message, messages::kMultipleStructs);

    const std::vector<std::uint8_t> recordAtTheEnd = PayloadWith(oldRecord, 10, 0);
    EXPECT_EQ(Find(SrecText(recordAtTheEnd), message), kNoRecord);
}

} // namespace
} // namespace k7r
