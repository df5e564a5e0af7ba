#pragma once

#include <cstdint>

namespace k7r::exporter {

// Mode flags of the WinCE mode header; the generic header reads the same
// bits to choose its acceleration and cursor definitions.
inline constexpr std::uint32_t mfLCD = 0x000001;
inline constexpr std::uint32_t mfSWCURSOR = 0x020000;
inline constexpr std::uint32_t mfHWBLT = 0x040000;
inline constexpr std::uint32_t mfSWEMUL = 0x100000;

inline constexpr unsigned kMaxModeNumber = 1000;

// What the Options dialog sets and the driver headers read. It lasts for
// one run of the utility; nothing is stored on disk.
struct ExportOptions {
    unsigned ModeNumber = 0;
    std::uint32_t ModeFlags = mfLCD | mfSWEMUL | mfHWBLT;
};

} // namespace k7r::exporter
