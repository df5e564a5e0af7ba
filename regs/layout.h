#pragma once

#include <cstdint>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// The displayed image size, stride and memory and the SwivelView start
// offsets that follow the settings.
namespace k7r::regs {

struct ImageSize {
    std::uint32_t width;
    std::uint32_t height;
};
// The image as the viewer sees it: the display period reduced by pixel
// doubling and turned by SwivelView 90 and 270.
ImageSize EffectiveImageSize(config::WorkingConfig& config);

// Line offset (when Auto Stride is on), main start address (restored from
// SavedMainStart), Required VRAM and the PIP+ window follow the panel size,
// colour depth, SwivelView and pixel doubling.
void RecomputeLayout(config::WorkingConfig& config);

enum class Window { Main, Pip };
// Distance from the window's programmed start address to the first byte the
// display reads for a rotated image.
std::uint32_t SwivelOffset(config::WorkingConfig& config, Window window);

} // namespace k7r::regs
