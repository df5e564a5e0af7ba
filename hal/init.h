#pragma once

// The chip initialization sequence: record check, software reset, clock
// synthesizer programming, register table with frame-counted delays, default
// lookup table and clearing display memory. AcquireChip must have succeeded.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace k7r::hal {

// Initialization step mask: a set bit skips the step.
inline constexpr std::uint32_t INIT_SKIP_RESET = 0x01;
inline constexpr std::uint32_t INIT_SKIP_CLOCKS = 0x02;
inline constexpr std::uint32_t INIT_SKIP_REGS = 0x04;
inline constexpr std::uint32_t INIT_SKIP_LUT = 0x08;
inline constexpr std::uint32_t INIT_SKIP_CLEAR = 0x10;

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

// False with last error 3 (CRC 0) or 4 (CRC wrong) before touching the chip;
// true otherwise, even when a later step (clocks) set an error.
bool InitializeChip(std::uint32_t skipMask);

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

// Writes the record's register table, waiting out its delay entries.
void RunRegisterTable();

// Waits `ms` worth of frames of the running display. False when power save
// mode is on (no wait) or when the display turned out not to be running.
bool DelayFrames(std::uint32_t ms);

// Frame rate in Hz from the chip's timing registers and the effective clocks.
std::uint32_t CurrentFrameRate();

// Loads the default table for the programmed depth and panel kind (or, at
// 16 bpp, the table the last load chose) through REG[18h].
void LoadLookupTable();

// Zeroes the whole display buffer as REG[00h] gives its size.
void ClearDisplayMemory();

// The eight default tables, REG[18h] words (index << 24 | RGB).
std::span<const std::uint32_t> DefaultLookupTable(std::uint32_t bitsPerPixel, bool colour);

} // namespace k7r::hal
