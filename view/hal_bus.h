#pragma once

#include "hal/access.h"
#include "view/chip_bus.h"

namespace k7r::view {

// The chip as the chip access layer reaches it: the board driver's mapping,
// or the board emulator.
class HalBus : public ChipBus {
  public:
    std::uint32_t ReadRegister(std::uint32_t offset) override { return hal::ReadReg32(offset); }
    void WriteRegister(std::uint32_t offset, std::uint32_t value) override {
        hal::WriteReg32(offset, value);
    }
    std::uint32_t ReadMemory(std::uint32_t offset) override { return hal::ReadMem32(offset); }
    void WriteMemory(std::uint32_t offset, std::uint32_t value) override {
        hal::FillMem32(offset, value, 1);
    }
};

} // namespace k7r::view
