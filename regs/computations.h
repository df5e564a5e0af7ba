#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Quantities derived from the settings: frame rate, displayed image size,
// stride and memory, SwivelView start offsets, reachable pixel clocks and the
// one-line mode description.
namespace k7r {

struct WorkingConfig;

// Pixel clock / (vertical total x horizontal total), truncated; also stored
// as the Frame Rate setting.
std::uint32_t StoreFrameRate(WorkingConfig& config);

// The clock that PCLK Divide divides: MCLK, BCLK, CLKI or CLKI2 by the PCLK
// source, 0 for any other source value.
std::uint32_t PixelClockSourceHz(WorkingConfig& config);

struct ImageSize {
    std::uint32_t width;
    std::uint32_t height;
};
// The image as the viewer sees it: the display period reduced by pixel
// doubling and turned by SwivelView 90 and 270.
ImageSize EffectiveImageSize(WorkingConfig& config);

// Line offset (when Auto Stride is on), main start address (restored from
// SavedMainStart), Required VRAM and the PIP+ window follow the panel size,
// colour depth, SwivelView and pixel doubling.
void RecomputeLayout(WorkingConfig& config);

enum class Window { Main, Pip };
// Distance from the window's programmed start address to the first byte the
// display reads for a rotated image.
std::uint32_t SwivelOffset(WorkingConfig& config, Window window);

struct PixelClockList {
    std::vector<std::string> lines; // "%2d.%03d   (%2d.%03d/%d)"
    std::size_t selected;           // the line of the current divide
};
PixelClockList ReachablePixelClocks(WorkingConfig& config);

// "%2d.%03d" of a frequency in kHz: the text a pixel clock line starts with.
std::string FormatPixelClockKhz(std::uint32_t kHz);

// Finds the line for a panel's pixel clock, switching CLKI2 to it when no
// divide of the current source reaches it, and stores that line's divide.
// None when the clock cannot be had.
std::optional<std::size_t> MatchPixelClock(WorkingConfig& config, std::uint32_t kHz);

// "640x480x8bpp 60Hz Color 18-Bit TFT (PCLK=25.175MHz)"
std::string FormatModeString(WorkingConfig& config);

} // namespace k7r
