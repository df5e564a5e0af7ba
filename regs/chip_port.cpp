#include "regs/chip_port.h"

// Stands in for the chip access layer until it is part of the build: no
// configuration can be bound to a chip before that, so live mode, the only
// caller, is never entered.
namespace k7r {

std::uint32_t ChipReadRegister(std::uint32_t) {
    return 0;
}

void ChipWriteRegister(std::uint32_t, std::uint32_t) {}

bool ChipReprogramClocks(const HAL_STRUCT&, std::uint32_t, std::uint32_t) {
    return false;
}

} // namespace k7r
