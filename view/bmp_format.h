#pragma once

#include <cstddef>
#include <cstdint>

// Windows bitmap layout: a 14-byte file header, then an information header
// of at least 40 bytes, the colour table (blue, green, red, reserved) and
// the pixel rows, bottom row first, each padded to 4 bytes.
namespace k7r::view::bmp {

inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;
// File header.
inline constexpr std::size_t kDataOffset = 10; // u32
// Information header, from its start.
inline constexpr std::size_t kInfoSize = 0;     // u32
inline constexpr std::size_t kWidth = 4;        // s32
inline constexpr std::size_t kHeight = 8;       // s32, negative for top-down rows
inline constexpr std::size_t kBitCount = 14;    // u16
inline constexpr std::size_t kCompression = 16; // u32
inline constexpr std::size_t kColoursUsed = 32; // u32, 0 for all 2^bits

// Larger images are refused: every size derived from these stays far from
// overflow, and no real bitmap for a panel of at most 1024 pixels needs more.
inline constexpr std::int32_t kMaxDimension = 65535;

// Run-length codes: (count, value) pairs, or an escape 0 followed by one of
// these, or by a number of literal values from 3 up.
inline constexpr std::uint8_t kEndOfLine = 0;
inline constexpr std::uint8_t kEndOfBitmap = 1;
inline constexpr std::uint8_t kDelta = 2;

} // namespace k7r::view::bmp
