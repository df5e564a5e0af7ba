#pragma once

#include "view/chip_bus.h"

#include <cstdint>
#include <map>
#include <vector>

namespace k7r::view {

// A chip that is only registers and display memory, for tests, benchmarks
// and fuzzing. Registers read back what was written; lookup-table writes are
// collected so that a test can see the palette that was loaded.
class MemoryChip : public ChipBus {
  public:
    // Panel width and height in pixels, depth in bits per pixel, memory in
    // bytes (a multiple of 4 KB).
    MemoryChip(std::uint32_t panelWidth, std::uint32_t panelHeight, std::uint32_t bpp,
               std::uint32_t memoryBytes);

    std::uint32_t ReadRegister(std::uint32_t offset) override;
    void WriteRegister(std::uint32_t offset, std::uint32_t value) override;
    std::uint32_t ReadMemory(std::uint32_t offset) override;
    void WriteMemory(std::uint32_t offset, std::uint32_t value) override;

    std::vector<std::uint8_t>& Memory() { return memory_; }
    // The lookup table as the chip holds it: entry n as 00RRGGBBh.
    const std::vector<std::uint32_t>& Lut() const { return lut_; }
    // Memory accesses that would have left the display memory (dropped).
    int StrayAccesses() const { return strayAccesses_; }

  private:
    std::map<std::uint32_t, std::uint32_t> registers_;
    std::vector<std::uint8_t> memory_;
    std::vector<std::uint32_t> lut_ = std::vector<std::uint32_t>(256);
    int strayAccesses_ = 0;
};

} // namespace k7r::view
