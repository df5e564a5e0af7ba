#pragma once

#include <cstddef>
#include <cstdint>

// GIF layout: "GIF87a", the logical screen descriptor (width, height,
// packed byte, background, aspect), an optional global colour table, then
// blocks: extensions, image descriptors with their data, and the trailer.
namespace k7r::view::gif {

inline constexpr std::size_t kSignatureSize = 6;
inline constexpr std::uint8_t kExtension = '!';
inline constexpr std::uint8_t kImage = ',';
inline constexpr std::uint8_t kTrailer = ';';

// Packed bytes of the screen and image descriptors.
inline constexpr std::uint8_t kColourTable = 0x80;
inline constexpr std::uint8_t kInterlaced = 0x40;
inline constexpr std::uint8_t kDepthMask = 0x07; // bits per pixel - 1

} // namespace k7r::view::gif
