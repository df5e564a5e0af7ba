#pragma once

#include <cstddef>
#include <cstdint>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// The clocks derived from the input clocks and the divides, and the frame
// rate they give.
namespace k7r::regs {

// Pixel clock / (vertical total x horizontal total), truncated; also stored
// as the Frame Rate setting.
std::uint32_t StoreFrameRate(config::WorkingConfig& config);

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
