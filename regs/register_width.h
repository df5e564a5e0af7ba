#pragma once

#include <cstdint>

namespace k7r {

// The USB function controller answers at 4000h to 4FFFh with 16-bit registers;
// every other register of the chip is 32 bits wide. Everything that reads,
// writes or checks a register by its width asks here.
constexpr bool IsUsbRegister(std::uint32_t offset) {
    return offset >= 0x4000 && offset <= 0x4FFF;
}

constexpr unsigned RegisterWidth(std::uint32_t offset) {
    return IsUsbRegister(offset) ? 16 : 32;
}

// The bits a register of that offset can hold.
constexpr std::uint32_t RegisterWidthMask(std::uint32_t offset) {
    return IsUsbRegister(offset) ? 0xFFFFu : 0xFFFFFFFFu;
}

} // namespace k7r
