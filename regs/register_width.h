#pragma once

#include "hal/chip_registers.h"

#include <cstdint>

namespace k7r::regs {

// Everything that reads, writes or checks a register by its width asks here.
constexpr unsigned RegisterWidth(std::uint32_t offset) {
    return hal::reg::IsUsbRegister(offset) ? 16 : 32;
}

// The bits a register of that offset can hold.
constexpr std::uint32_t RegisterWidthMask(std::uint32_t offset) {
    return hal::reg::IsUsbRegister(offset) ? 0xFFFFu : 0xFFFFFFFFu;
}

} // namespace k7r::regs
