#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// The clocks derived from the input clocks and the divides, and the frame
// rate they give.
namespace k7r::regs {

// Pixel clock / (vertical total x horizontal total), truncated; 0 when the
// totals multiply to 0.
std::uint32_t FrameRate(config::WorkingConfig& config);
// The same, also stored as the Frame Rate setting.
std::uint32_t StoreFrameRate(config::WorkingConfig& config);

// The frequency input clock 2 (CLKI) or 3 (CLKI2) runs at: the one asked
// for, or, while setting 16 "Clock Chip Sup" is on, the one the clock
// synthesizer comes closest with (0 beyond its range). Worked out without
// the chip.
std::uint32_t ActualInputClockHz(config::WorkingConfig& config, std::uint32_t id);

// A frequency as the Clocks page's timing texts write it, with a leading
// space: up to 1000 Hz as " %u Hz", up to 100000 Hz as " %u.%03u KHz",
// above as " %u.%03u MHz".
std::string FrequencyText(std::uint32_t hz);

// The clock that PCLK Divide divides: MCLK, BCLK, CLKI or CLKI2 by the PCLK
// source, 0 for any other source value.
std::uint32_t PixelClockSourceHz(config::WorkingConfig& config);

// Quantities derived from other settings (ids 19 to 23); they cannot be set.
std::uint32_t GetPixelClock(config::WorkingConfig& config, std::size_t record);
std::uint32_t GetMemoryClock(config::WorkingConfig& config, std::size_t record);
std::uint32_t GetBusClock(config::WorkingConfig& config, std::size_t record);
std::uint32_t GetPwmClock(config::WorkingConfig& config, std::size_t record);
std::uint32_t GetAvailableMemory(config::WorkingConfig& config, std::size_t record);
void IgnoreSet(config::WorkingConfig& config, std::size_t record, std::uint32_t value);

} // namespace k7r::regs
