#pragma once

// The ICD2061A clock synthesizer: searching a frequency's programming word,
// sending it, and the clock state since the last acquire.

#include <cstdint>
#include <optional>
#include <span>

namespace k7r::hal {

// Registers 0 to 2 of the ICD2061A take CLKI, register 3 CLKI2.
inline constexpr int kSynthRegisterCount = 4;
inline constexpr std::uint32_t kSynthReferenceHz = 14318180;

// One synthesizer register's last programming.
struct ClockEntry {
    std::uint32_t requestedHz = 0;
    std::uint32_t m = 0; // post-divider exponent
    std::uint32_t i = 0; // VCO range index
    std::uint32_t p = 0;
    std::uint32_t q = 0;
    std::uint32_t achievedHz = 0;
    std::uint32_t word = 0; // 24-bit programming word
};

// Programs registers 0-2 with clkI and register 3 with clkI2 (0 = leave that
// clock alone). False with last error 5 when the record forbids the clock
// chip, 6 or 7 for a frequency out of range (nothing sent for it).
bool ProgramClocks(std::uint32_t clkI, std::uint32_t clkI2);

// The synthesizer's setting for a frequency: the post-divider, the VCO range
// and the (P, Q) pair that come closest, the word and the frequency they
// give. Touches neither the chip nor the clock state, so the utility can
// show what a clock would become. None above 120 MHz or below 390,625 Hz.
std::optional<ClockEntry> SearchClockWord(int reg, std::uint32_t frequencyHz);

// Fills clock entry `reg`; false with last error 6 or 7.
bool ComputeClockWord(int reg, std::uint32_t frequencyHz);

// Bit-bangs one word into the synthesizer on GPIO1 (clock) and GPIO2 (data).
void SendClockWord(std::uint32_t word);

// The clock state of synthesizer registers 0-3 since the last acquire.
std::span<const ClockEntry, kSynthRegisterCount> ClockState();

} // namespace k7r::hal
