#pragma once

#include <cstdint>

// The display controller registers the viewer reads and writes (byte offsets).
namespace k7r::reg {

inline constexpr std::uint32_t kMemoryConfig = 0x00;      // bits 15:8 memory size in 4 KB
inline constexpr std::uint32_t kDisplaySettings = 0x10;   // bpp, SwivelView, doubling
inline constexpr std::uint32_t kLutWrite = 0x18;          // index << 24 | R << 16 | G << 8 | B
inline constexpr std::uint32_t kHorizontalDisplay = 0x24; // bits 6:0 width / 8 - 1
inline constexpr std::uint32_t kVerticalDisplay = 0x34;   // bits 9:0 height - 1
inline constexpr std::uint32_t kStartAddress = 0x40;      // in 32-bit words
inline constexpr std::uint32_t kStride = 0x44;            // in 32-bit words

} // namespace k7r::reg
