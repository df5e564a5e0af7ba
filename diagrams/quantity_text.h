#pragma once

#include <cstdint>
#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// The texts the pictures label quantities with, built from the pages' own.
namespace k7r::diagrams {

// "Horz Total 800 pixels": the setting's short name, the count and the
// setting's units.
std::string CountText(std::uint32_t id, std::uint32_t count);
// The same with the setting's own value.
std::string SettingText(config::WorkingConfig& config, std::uint32_t id);

// How long `pixels` clocks of PCLK last, truncated: "635 ns", "31.777 us",
// "16.683 ms"; "? s" without a pixel clock.
std::string DurationText(std::uint64_t pixels, std::uint32_t pclkHz);

// A frequency as the Clocks page writes it, without the leading blank:
// "25.175 MHz", "98.339 KHz", "59 Hz".
std::string FrequencyLabel(std::uint32_t hz);

} // namespace k7r::diagrams
