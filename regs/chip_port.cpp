#include "regs/chip_port.h"

#include "hal/access.h"
#include "hal/chip_registers.h"
#include "hal/clock_synth.h"

namespace k7r::regs {

std::uint32_t ChipReadRegister(std::uint32_t offset) {
    return hal::reg::IsUsbRegister(offset) ? hal::ReadReg16(offset) : hal::ReadReg32(offset);
}

void ChipWriteRegister(std::uint32_t offset, std::uint32_t value) {
    if (hal::reg::IsUsbRegister(offset)) {
        hal::WriteReg16(offset, static_cast<std::uint16_t>(value));
    } else {
        hal::WriteReg32(offset, value);
    }
}

// The layer programs the synthesizer from its own record, whose flags say
// whether a clock chip may be programmed at all.
bool ChipReprogramClocks(const HAL_STRUCT& record, std::uint32_t clkI, std::uint32_t clkI2) {
    hal::Record() = record;
    return hal::ProgramClocks(clkI, clkI2);
}

} // namespace k7r::regs
