#pragma once

#include "config/working_config.h"

#include <cstdint>

namespace k7r::exporter {

// The display as a driver sees it: the panel's size after pixel doubling,
// turned by SwivelView.
struct DisplayGeometry {
    std::uint32_t Width;
    std::uint32_t Height;
    std::uint32_t BitsPerPixel;
    std::uint32_t FrameRate;
    std::uint32_t StrideBytes;
};

DisplayGeometry ReadDisplayGeometry(config::WorkingConfig& config);

// Physical register space the drivers map: the display controller, USB and
// 2D engine registers; the 2D engine's data region follows it.
inline constexpr std::uint32_t kRegisterSpaceSize = 0x9000;
inline constexpr std::uint32_t kBltDataOffset = 0x10000;
inline constexpr std::uint32_t kBltDataSize = 0x10000;

} // namespace k7r::exporter
