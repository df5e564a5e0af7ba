#include "containers/hex_codec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace k7r::containers {
namespace {

std::string Digits(const std::vector<std::uint8_t>& bytes, bool lowerCase) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, lowerCase ? "%02x" : "%02X", byte);
        text += pair;
    }
    return text;
}

const std::uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

// Runs of every length up to past two blocks, so that both the block and the
// byte-by-byte parts of each direction are used.
TEST(HexCodec, RunsOfAnyLengthGoThereAndBack) {
    for (std::size_t length = 0; length <= 40; ++length) {
        std::vector<std::uint8_t> bytes(length);
        for (std::size_t i = 0; i < length; ++i) {
            bytes[i] = static_cast<std::uint8_t>(i * 37 + length * 101);
        }
        std::string encoded(2 * length, '?');
        EncodeHex(bytes.data(), length, reinterpret_cast<std::uint8_t*>(encoded.data()));
        EXPECT_EQ(encoded, Digits(bytes, false)) << length;
        for (bool lowerCase : {false, true}) {
            std::vector<std::uint8_t> decoded(length);
            EXPECT_TRUE(DecodeHex(Bytes(Digits(bytes, lowerCase)), length, decoded.data()));
            EXPECT_EQ(decoded, bytes) << length << (lowerCase ? " lower case" : "");
        }
    }
    std::vector<std::uint8_t> every(256);
    for (int byte = 0; byte < 256; ++byte) {
        every[byte] = static_cast<std::uint8_t>(byte);
    }
    std::string encoded(512, '?');
    EncodeHex(every.data(), every.size(), reinterpret_cast<std::uint8_t*>(encoded.data()));
    EXPECT_EQ(encoded, Digits(every, false));
}

// Any character in any place of a run: a hex digit decodes as one, anything
// else (a line end, a sign, a character one off a digit's range, a byte
// above 7Fh) makes the run bad.
TEST(HexCodec, EveryOtherCharacterAnywhereIsABadDigit) {
    const std::vector<std::uint8_t> bytes(24, 0x5A);
    const std::string good = Digits(bytes, false);
    for (int c = 0; c < 256; ++c) {
        const bool digit = std::isxdigit(c) != 0;
        for (std::size_t place = 0; place < good.size(); ++place) {
            std::string text = good;
            text[place] = static_cast<char>(c);
            std::vector<std::uint8_t> decoded(bytes.size());
            ASSERT_EQ(DecodeHex(Bytes(text), bytes.size(), decoded.data()), digit)
                << "character " << c << " at " << place;
            if (digit) {
                const unsigned value =
                    std::stoul(std::string(1, static_cast<char>(c)), nullptr, 16);
                const unsigned byte = place % 2 == 0 ? value << 4 | 0xA : 0x50 | value;
                ASSERT_EQ(decoded[place / 2], byte) << "character " << c << " at " << place;
            }
            ASSERT_EQ(HexPair(Bytes(text) + place / 2 * 2) <= 0xFF, digit);
        }
    }
}

} // namespace
} // namespace k7r::containers
