#include "containers/hex_codec.h"
#include "containers/messages.h"
#include "containers/srec_container.h"
#include "tests/containers/container_builders.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

namespace k7r::containers {
namespace {

using namespace test;

Saved Save(std::string_view file, const HAL_STRUCT& record) {
    return SaveThrough(WriteRecordSrec, BytesOf(file), record);
}

int Find(std::string_view text, std::string_view& message, HAL_STRUCT* found = nullptr) {
    return FindRecordSrec(found, ImageSource(BytesOf(text)), true, message);
}

// The digits in lower case, the record types as they are.
std::string LowerCase(std::string text) {
    for (char& c : text) {
        c = c == 'S' ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

class SrecContainer : public ::testing::Test {
  protected:
    const HAL_STRUCT oldRecord = test::ConfiguredRecord(25000000);
    const HAL_STRUCT newRecord = test::ConfiguredRecord(40000000);
    const std::vector<std::uint8_t> payload = PayloadWith(oldRecord);
    const std::uint32_t dataLines = (payload.size() + 31) / 32; // of SrecText(payload)
    std::string_view message;
};

// A save rewrites the record's lines alone: where the record straddles S1
// and S2 lines; where a line whose address jumps or whose length changes
// breaks a run of lines alike (each keeps its own); far into a long file,
// past the payload that the search holds at a time.
TEST_F(SrecContainer, RewritesTheRecordKeepingEachLinesTypeAddressAndLength) {
    const std::function<std::string(const HAL_STRUCT&)> layouts[] = {
        [](const HAL_STRUCT& record) { return SrecText(PayloadWith(record), "\n", 10); },
        [](const HAL_STRUCT& record) {
            const Bytes data = PayloadWith(record);
            std::string file = SrecRecordLine('0', 0) + "\n";
            std::uint32_t address = 0x100;
            for (std::size_t at = 0, line = 0; at < data.size(); ++line) {
                const std::size_t n =
                    std::min<std::size_t>(line % 5 == 3 ? 16 : 32, data.size() - at);
                file += SrecRecordLine('1', address, std::span(data).subspan(at, n)) + "\n";
                address += static_cast<std::uint32_t>(line % 4 == 1 ? 0x200 : n);
                at += n;
            }
            return file + SrecRecordLine('9', 0) + "\n";
        },
        [](const HAL_STRUCT& record) { // 5 bytes into a line
            return SrecText(PayloadWith(record, 200005, 100000), "\r\n");
        },
    };
    for (const auto& layout : layouts) {
        const std::string file = layout(oldRecord);
        HAL_STRUCT found{};
        ASSERT_EQ(Find(file, message, &found), kRecordFound);
        EXPECT_EQ(std::memcmp(&found, &oldRecord, sizeof found), 0);
        EXPECT_EQ(TextOf(Save(file, oldRecord).file), file);
        EXPECT_EQ(TextOf(Save(file, newRecord).file), layout(newRecord));
    }
}

TEST_F(SrecContainer, WritesOneFormatKeepingOtherLinesCharacterForCharacter) {
    const std::string good = SrecText(payload);
    const auto inserted = [](std::string text, std::size_t at, const std::string& part) {
        return text.insert(at, part);
    };
    const std::string crFirst = inserted(good, good.find('\n'), "\r");
    std::string blankLines = inserted(good, good.find('\n'), "\n");
    blankLines.insert(blankLines.rfind("S9"), "\n");
    const std::string counted =
        inserted(good, good.rfind("S9"), SrecRecordLine('5', dataLines) + "\n");
    std::string otherLines = good;
    for (const std::string line :
         {"; built by hand", "S4 not a record", "S6030000FC", "Sx", "\tindented"}) {
        otherLines.insert(otherLines.find("S1"), line + "\n");
    }
    const std::size_t firstDataLineEnd = otherLines.find('\n', otherLines.find("S1"));

    const std::pair<std::string, std::string> cases[] = {
        {LowerCase(good), good},                 // upper case, the same length
        {crFirst, SrecText(payload, "\r\n")},    // the first line end ends every line
        {good.substr(0, good.size() - 1), good}, // a final line end is added
        {blankLines, SrecText(payload, "\n\n")}, // a blank line after the first joins the line end
        {counted, counted},                      // an S5 that counts right
        // spaces after a checksum: a line of their own
        {inserted(otherLines, firstDataLineEnd, "   "),
         inserted(otherLines, firstDataLineEnd, "\n   ")},
    };
    for (const auto& [file, expected] : cases) {
        const Saved saved = Save(file, oldRecord);
        EXPECT_EQ(saved.result, kRecordFound) << file;
        EXPECT_EQ(TextOf(saved.file), expected);
    }
}

// Text read a piece at a time: wherever a piece ends in the lines, the
// record is found and saved as from the whole text, for a file in the
// kind's own format and for one that it writes differently.
TEST_F(SrecContainer, ReadsAndSavesAlikeWhereverAPieceEndCutsTheText) {
    for (const std::string& file : {SrecText(payload), LowerCase(SrecText(payload))}) {
        const std::string expected = SrecText(PayloadWith(newRecord));
        for (std::size_t piece = 1; piece <= file.size(); ++piece) {
            HAL_STRUCT found{};
            ASSERT_EQ(FindRecordSrec(&found, ImageSource(BytesOf(file), piece), true, message),
                      kRecordFound)
                << piece;
            EXPECT_EQ(std::memcmp(&found, &oldRecord, sizeof found), 0) << piece;
            const Saved saved = SaveThrough(WriteRecordSrec, BytesOf(file), newRecord, piece);
            ASSERT_EQ(saved.result, kRecordFound) << piece;
            EXPECT_EQ(TextOf(saved.file), expected) << piece;
        }
    }
}

// Whatever is not found is not saved either; a refused save leaves the
// text as it was.
TEST_F(SrecContainer, RefusesWhatItCannotReadOrRewriteFaithfully) {
    const std::string good = SrecText(payload);
    const std::size_t secondLine = good.find("S1", good.find("S1") + 1);
    const std::size_t lineEnd = good.find('\n', secondLine);
    const std::size_t terminator = good.rfind("S9");
    auto edited = [&](std::size_t at, std::size_t n, const std::string& by) {
        return std::string(good).replace(at, n, by);
    };
    const std::string checksum = good[lineEnd - 1] == '0' ? "1" : "0";
    Bytes twice = payload;
    const auto again = BytesOf(oldRecord);
    twice.insert(twice.end(), again.begin(), again.end());
    twice.push_back(0);

    // The record's description stands in a comment line between data lines.
    HAL_STRUCT described = oldRecord;
    std::strcpy(described.Description, "; board rev B");
    const auto bytes = BytesOf(described);
    const std::size_t split = offsetof(HAL_STRUCT, Description);
    std::string inText = SrecRecordLine('0', 0) + "\n" +
                         SrecRecordLine('1', 0, bytes.first(split)) + "\n" + described.Description +
                         "\n";
    for (std::size_t at = split + std::strlen(described.Description); at < bytes.size(); at += 32) {
        const std::size_t n = std::min<std::size_t>(32, bytes.size() - at);
        inText += SrecRecordLine('1', static_cast<std::uint32_t>(at), bytes.subspan(at, n)) + "\n";
    }
    inText += SrecRecordLine('1', 0x1000, BytesOf("tail")) + "\n" + SrecRecordLine('9', 0) + "\n";
    HAL_STRUCT sameText = newRecord;
    std::strcpy(sameText.Description, described.Description);
    EXPECT_EQ(Save(inText, sameText).result, kRecordFound);

    std::string longFirstLineEnd = good; // each of ~30 lines gains 2,500 bytes
    longFirstLineEnd.insert(longFirstLineEnd.find('\n'), std::string(2500, '\n'));

    using namespace messages;
    const struct {
        const char* what;
        std::string text;
        int found;
        std::string_view message;
    } cases[] = {
        {"bad checksum", edited(lineEnd - 1, 1, checksum), kRecordRefused, kSrecCorrupted},
        {"bad hex digit", edited(secondLine + 12, 1, "G"), kRecordRefused, kSrecCorrupted},
        {"cut short by its line end", edited(lineEnd - 4, 2, ""), kRecordRefused, kSrecCorrupted},
        {"count too small for the address", edited(terminator, 0, "S102000000\n"), kRecordRefused,
         kSrecCorrupted},
        {"termination record with data",
         edited(terminator, std::string::npos, SrecRecordLine('1', 0) + "\nS9040000AA51\n"),
         kRecordRefused, kSrecCorrupted},
        {"cut short by the end of the file", good.substr(0, good.size() - 3), kRecordRefused,
         kSrecCorrupted},
        {"S5 miscounting", edited(terminator, 0, SrecRecordLine('5', dataLines - 1) + "\n"),
         kRecordRefused, kSrecBadCount},
        {"only headers",
         SrecRecordLine('0', 0) + "\n" + SrecRecordLine('5', 0) + "\n" + SrecRecordLine('9', 0),
         kNoRecord, kNoConfigData},
        {"two lines", SrecRecordLine('1', 0, payload) + "\n" + SrecRecordLine('9', 0) + "\n",
         kNoRecord, kNoConfigData},
        {"binary", edited(terminator - 1, 1, "\x01"), kNoRecord, kNoConfigData},
        {"record that ends the data", SrecText(PayloadWith(oldRecord, 10, 0)), kNoRecord,
         kNoConfigData},
        {"two records", SrecText(twice), kRecordRefused, kMultipleStructs},
        {"record partly in other text", inText, kRecordFound, kSrecRecordInText},
        {"growth beyond the room", longFirstLineEnd, kRecordFound, kSrecTooLong},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Find(c.text, message), c.found) << c.what;
        const Saved saved = Save(c.text, newRecord);
        EXPECT_EQ(saved.result, c.found == kRecordFound ? kRecordRefused : c.found) << c.what;
        EXPECT_EQ(c.found == kRecordFound ? saved.message : message, c.message) << c.what;
        EXPECT_EQ(TextOf(saved.file), c.text) << c.what;
    }
}

// Any character in any place of a run, in the block and the byte-by-byte
// part: a hex digit decodes as one, anything else (a line end, a sign, a
// character one off a digit's range, a byte above 7Fh) makes the run bad.
// Encoding is checked wherever a saved S-record text is compared with one
// built independently.
TEST(HexCodec, EveryOtherCharacterAnywhereIsABadDigit) {
    const std::string good(48, 'A');
    for (int c = 0; c < 256; ++c) {
        const bool digit = std::isxdigit(c) != 0;
        for (std::size_t place = 0; place < good.size(); ++place) {
            std::string text = good;
            text[place] = static_cast<char>(c);
            std::vector<std::uint8_t> decoded(good.size() / 2);
            ASSERT_EQ(DecodeHex(BytesOf(text).data(), decoded.size(), decoded.data()), digit)
                << "character " << c << " at " << place;
            if (digit) {
                const unsigned value = std::stoul(std::string(1, text[place]), nullptr, 16);
                const unsigned byte = place % 2 == 0 ? value << 4 | 0xA : 0xA0 | value;
                ASSERT_EQ(decoded[place / 2], byte) << "character " << c << " at " << place;
            }
            ASSERT_EQ(HexPair(BytesOf(text).data() + place / 2 * 2) <= 0xFF, digit);
        }
    }
}

} // namespace
} // namespace k7r::containers
