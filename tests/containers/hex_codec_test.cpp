#include "containers/hex_codec.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace k7r::containers {
namespace {

const std::uint8_t* Bytes(const std::string& text) {
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
            ASSERT_EQ(DecodeHex(Bytes(text), decoded.size(), decoded.data()), digit)
                << "character " << c << " at " << place;
            if (digit) {
                const unsigned value = std::stoul(std::string(1, text[place]), nullptr, 16);
                const unsigned byte = place % 2 == 0 ? value << 4 | 0xA : 0xA0 | value;
                ASSERT_EQ(decoded[place / 2], byte) << "character " << c << " at " << place;
            }
            ASSERT_EQ(HexPair(Bytes(text) + place / 2 * 2) <= 0xFF, digit);
        }
    }
}

} // namespace
} // namespace k7r::containers
