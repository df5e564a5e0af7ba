#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// The pixel clocks the current source and divides can reach.
namespace k7r::regs {

struct PixelClockList {
    std::vector<std::string> lines; // "%2d.%03d   (%2d.%03d/%d)"
    std::size_t selected;           // the line of the current divide
};
PixelClockList ReachablePixelClocks(config::WorkingConfig& config);

// "%2d.%03d" of a frequency in kHz: the text a pixel clock line starts with.
std::string FormatPixelClockKhz(std::uint32_t kHz);

// Finds the line for a panel's pixel clock, switching CLKI2 to it when no
// divide of the current source reaches it, and stores that line's divide.
// None when the clock cannot be had.
std::optional<std::size_t> MatchPixelClock(config::WorkingConfig& config, std::uint32_t kHz);

} // namespace k7r::regs
