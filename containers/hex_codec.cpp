#include "containers/hex_codec.h"

#include "containers/byte_scan.h"

#include <array>
#include <cstring>

namespace k7r::containers {
namespace {

// A hex digit's value; kNotHex for any other character.
constexpr std::uint16_t kNotHex = 0x1000;
constexpr std::array<std::uint16_t, 256> kHexValue = [] {
    std::array<std::uint16_t, 256> table{};
    table.fill(kNotHex);
    for (int i = 0; i < 10; ++i) {
        table['0' + i] = static_cast<std::uint16_t>(i);
    }
    for (int i = 0; i < 6; ++i) {
        table['A' + i] = static_cast<std::uint16_t>(10 + i);
        table['a' + i] = static_cast<std::uint16_t>(10 + i);
    }
    return table;
}();

constexpr char kDigits[] = "0123456789ABCDEF";

// A block of digits holds this many bytes; a byte's two digits share one
// 16-bit lane, the first digit in the low half.
constexpr std::size_t kBytesPerBlock = sizeof(ByteBlock) / 2;
using DigitPairs = std::uint16_t __attribute__((vector_size(sizeof(ByteBlock))));
using HalfBlock = std::uint8_t __attribute__((vector_size(kBytesPerBlock)));

} // namespace

unsigned HexPair(const std::uint8_t* at) {
    return unsigned{kHexValue[at[0]]} << 4 | kHexValue[at[1]];
}

K7R_SCAN_VERSIONS bool DecodeHex(const std::uint8_t* hex, std::size_t count, std::uint8_t* out) {
    std::size_t i = 0;
    for (; i + kBytesPerBlock <= count; i += kBytesPerBlock) {
        ByteBlock c;
        LoadBlock(c, hex + 2 * i);
        // 'A' to 'F' become 'a' to 'f'; the digits already have that bit.
        const ByteBlock lower = c | 0x20;
        const ByteBlock digit = (c - '0') < 10;
        const ByteBlock letter = (lower - 'a') < 6;
        if (AnySet(~(digit | letter))) {
            return false;
        }
        const ByteBlock nibbles = (digit & (c - '0')) | (~digit & (lower - 'a' + 10));
        DigitPairs pairs;
        std::memcpy(&pairs, &nibbles, sizeof pairs);
        const HalfBlock bytes =
            __builtin_convertvector(((pairs << 4) & 0xF0) | (pairs >> 8), HalfBlock);
        std::memcpy(out + i, &bytes, sizeof bytes);
    }
    unsigned all = 0;
    for (; i < count; ++i) {
        const unsigned byte = HexPair(hex + 2 * i);
        all |= byte;
        out[i] = static_cast<std::uint8_t>(byte);
    }
    return all <= 0xFF;
}

K7R_SCAN_VERSIONS void EncodeHex(const std::uint8_t* bytes, std::size_t count, std::uint8_t* out) {
    std::size_t i = 0;
    for (; i + kBytesPerBlock <= count; i += kBytesPerBlock) {
        HalfBlock half;
        std::memcpy(&half, bytes + i, sizeof half);
        const DigitPairs wide = __builtin_convertvector(half, DigitPairs);
        // Nibble n as a digit: '0' + n, and 7 more from 10 on to reach 'A'.
        const DigitPairs high = wide >> 4;
        const DigitPairs low = wide & 0x0F;
        const DigitPairs highDigit = high + '0' + ((high > 9) & 7);
        const DigitPairs lowDigit = low + '0' + ((low > 9) & 7);
        const DigitPairs pairs = highDigit | lowDigit << 8;
        std::memcpy(out + 2 * i, &pairs, sizeof pairs);
    }
    for (; i < count; ++i) {
        out[2 * i] = kDigits[bytes[i] >> 4];
        out[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
}

} // namespace k7r::containers
