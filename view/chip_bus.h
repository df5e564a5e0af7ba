#pragma once

#include <cstdint>

namespace k7r::view {

// What the viewer needs from a chip: 32-bit register and display-memory
// access by byte offset. The program reaches the real chip (or the board
// emulator) through the chip access layer; tests and benchmarks use an
// in-memory chip.
class ChipBus {
  public:
    virtual ~ChipBus() = default;
    virtual std::uint32_t ReadRegister(std::uint32_t offset) = 0;
    virtual void WriteRegister(std::uint32_t offset, std::uint32_t value) = 0;
    virtual std::uint32_t ReadMemory(std::uint32_t offset) = 0;
    virtual void WriteMemory(std::uint32_t offset, std::uint32_t value) = 0;
};

} // namespace k7r::view
