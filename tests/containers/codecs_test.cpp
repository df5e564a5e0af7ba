#include "containers/hex_codec.h"
#include "containers/prc_codec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace k7r::containers {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Encode(const Bytes& section) {
    Bytes codes;
    EncodePrcSection(section, codes);
    return codes;
}

// The section the codes decode to, or {0xEE} when they are refused.
Bytes Decode(Bytes codes) {
    Bytes section;
    return DecodePrcSection(codes, section) ? section : Bytes{0xEE};
}

// Each pair decodes both ways: the encoder gives these codes, and they
// (ended by the code 0) decode to the section.
TEST(PrcCodec, EncodesAndDecodesEveryCodeKind) {
    Bytes longLiteral(300);
    for (std::size_t i = 0; i < longLiteral.size(); ++i) {
        longLiteral[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    Bytes longLiteralCodes = longLiteral; // in pieces of 128, 128 and 44
    longLiteralCodes.insert(longLiteralCodes.begin() + 256, 0x80 + 43);
    longLiteralCodes.insert(longLiteralCodes.begin() + 128, 0xFF);
    longLiteralCodes.insert(longLiteralCodes.begin(), 0xFF);

    const std::pair<Bytes, Bytes> cases[] = {
        {{}, {}},
        {Bytes(70, 0x00), {0x7F, 0x45}},
        {Bytes(3, 0x00), {0x42}},
        {Bytes(2, 0xFF), {0x11}},
        {Bytes(17, 0xFF), {0x1F, 0x80, 0xFF}},
        {Bytes(3, 0x41), {0x21, 0x41}},
        {Bytes(35, 0x41), {0x3F, 0x41, 0x81, 0x41, 0x41}},
        // A lone 00 and a pair of other bytes stay literal.
        {{0x12, 0x00, 0x34, 0x41, 0x41}, {0x84, 0x12, 0x00, 0x34, 0x41, 0x41}},
        {longLiteral, longLiteralCodes},
        {{0xA9, 0xF0, 0x00, 0x00, 0x11, 0x22, 0x00, 0x33}, {0x03, 0x11, 0x22, 0x33}},
        {{0xA9, 0xF0, 0x00, 0x44, 0x11, 0x22, 0x00, 0x33}, {0x04, 0x44, 0x11, 0x22, 0x33}},
        {{0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x11, 0x22}, {0x01, 0x11, 0x22}},
        {{0x00, 0x00, 0x00, 0x00, 0xFF, 0x10, 0x11, 0x22}, {0x02, 0x10, 0x11, 0x22}},
        // A group that does not fit before the end is runs and literals.
        {{0xA9, 0xF0, 0x00, 0x00, 0x11, 0x22, 0x00},
         {0x81, 0xA9, 0xF0, 0x41, 0x82, 0x11, 0x22, 0x00}},
        // An A9 group anywhere is taken before any FF group; the part before
        // it is encoded by the same rules.
        {{0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x01, 0x02, 0x55, 0xA9, 0xF0, 0x00, 0x00, 0x05, 0x06,
          0x00, 0x07},
         {0x01, 0x01, 0x02, 0x80, 0x55, 0x03, 0x05, 0x06, 0x07}},
    };
    for (const auto& [section, codes] : cases) {
        EXPECT_EQ(Encode(section), codes);
        Bytes ended = codes;
        ended.push_back(0x00);
        EXPECT_EQ(Decode(ended), section);
    }
}

TEST(PrcCodec, RefusesInvalidTruncatedAndOversizedSections) {
    for (std::uint8_t code = 0x05; code <= 0x0F; ++code) {
        EXPECT_EQ(Decode({0x80, 0x42, code, 0x00}), Bytes{0xEE}) << int{code};
    }
    EXPECT_EQ(Decode({0x42}), Bytes{0xEE}) << "no code 0";
    EXPECT_EQ(Decode({0x83, 1, 2}), Bytes{0xEE}) << "literal cut short";
    EXPECT_EQ(Decode({0x21}), Bytes{0xEE});
    EXPECT_EQ(Decode({0x04, 1, 2, 3}), Bytes{0xEE});
    EXPECT_EQ(Decode({}), Bytes{0xEE});
    Bytes section;
    EXPECT_EQ(DecodePrcSection(Bytes{0x80, 0x42, 0x00, 0x99}, section), 3u)
        << "the code 0 ends the section";

    Bytes exactlyFull(1024, 0x7F); // 1,024 runs of 64 zero bytes: 64 KB
    exactlyFull.push_back(0x00);
    EXPECT_EQ(Decode(exactlyFull).size(), 65536u);
    Bytes overfull = exactlyFull;
    overfull.insert(overfull.end() - 1, 0x40);
    EXPECT_EQ(Decode(overfull), Bytes{0xEE});
}

const std::uint8_t* Digits(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
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
            ASSERT_EQ(DecodeHex(Digits(text), decoded.size(), decoded.data()), digit)
                << "character " << c << " at " << place;
            if (digit) {
                const unsigned value = std::stoul(std::string(1, text[place]), nullptr, 16);
                const unsigned byte = place % 2 == 0 ? value << 4 | 0xA : 0xA0 | value;
                ASSERT_EQ(decoded[place / 2], byte) << "character " << c << " at " << place;
            }
            ASSERT_EQ(HexPair(Digits(text) + place / 2 * 2) <= 0xFF, digit);
        }
    }
}

} // namespace
} // namespace k7r::containers
