#pragma once

#include "config/hal_struct.h"

#include <cstdint>

namespace k7r::regs {

// What live mode needs from the chip access layer. USB registers (4000h to
// 4FFFh) are accessed 16 bits wide, a read zero-extended; all others 32 bits.
std::uint32_t ChipReadRegister(std::uint32_t offset);
void ChipWriteRegister(std::uint32_t offset, std::uint32_t value);

// Hands the record to the chip access layer and programs the clock
// synthesizer; a frequency of 0 leaves that clock as it is.
bool ChipReprogramClocks(const HAL_STRUCT& record, std::uint32_t clkI, std::uint32_t clkI2);

} // namespace k7r::regs
