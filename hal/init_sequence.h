#pragma once

// The chip initialization sequence: record check, software reset, clock
// synthesizer programming (clock_synth.h), register table with frame-counted
// delays, default lookup table (lookup_tables.h) and clearing display
// memory. AcquireChip must have succeeded.

#include <cstdint>

namespace k7r::hal {

// Initialization step mask: a set bit skips the step.
inline constexpr std::uint32_t INIT_SKIP_RESET = 0x01;
inline constexpr std::uint32_t INIT_SKIP_CLOCKS = 0x02;
inline constexpr std::uint32_t INIT_SKIP_REGS = 0x04;
inline constexpr std::uint32_t INIT_SKIP_LUT = 0x08;
inline constexpr std::uint32_t INIT_SKIP_CLEAR = 0x10;

// False with last error 3 (CRC 0) or 4 (CRC wrong) before touching the chip;
// true otherwise, even when a later step (clocks) set an error.
bool InitializeChip(std::uint32_t skipMask);

// Writes the record's register table, waiting out its delay entries.
void RunRegisterTable();

// Waits `ms` worth of frames of the running display. False when power save
// mode is on (no wait) or when the display turned out not to be running.
bool DelayFrames(std::uint32_t ms);

// Frame rate in Hz from the chip's timing registers and the effective clocks.
std::uint32_t CurrentFrameRate();

// Zeroes the whole display buffer as REG[00h] gives its size.
void ClearDisplayMemory();

} // namespace k7r::hal
