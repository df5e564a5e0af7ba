#include "view/memory_chip.h"

#include "hal/chip_registers.h"

#include <cstring>

namespace k7r::view {

MemoryChip::MemoryChip(std::uint32_t panelWidth, std::uint32_t panelHeight, std::uint32_t bpp,
                       std::uint32_t memoryBytes)
    : memory_(memoryBytes) {
    registers_[hal::reg::kProductInfo] = (memoryBytes / 4096) << 8;
    registers_[hal::reg::kDisplaySettings] = bpp;
    registers_[hal::reg::kHorzDisplay] = panelWidth / 8 - 1;
    registers_[hal::reg::kVertDisplay] = panelHeight - 1;
}

std::uint32_t MemoryChip::ReadRegister(std::uint32_t offset) {
    auto found = registers_.find(offset);
    return found == registers_.end() ? 0 : found->second;
}

void MemoryChip::WriteRegister(std::uint32_t offset, std::uint32_t value) {
    registers_[offset] = value;
    if (offset == hal::reg::kLutWrite) {
        lut_[value >> 24] = value & 0xFFFFFF;
    }
}

// Accesses that would leave the memory are dropped or read as zero, so that a
// test sees a stray write as a wrong picture rather than a crash.
std::uint32_t MemoryChip::ReadMemory(std::uint32_t offset) {
    std::uint32_t value = 0;
    if (offset <= memory_.size() && memory_.size() - offset >= 4) {
        std::memcpy(&value, memory_.data() + offset, 4);
    } else {
        ++strayAccesses_;
    }
    return value;
}

void MemoryChip::WriteMemory(std::uint32_t offset, std::uint32_t value) {
    if (offset <= memory_.size() && memory_.size() - offset >= 4) {
        std::memcpy(memory_.data() + offset, &value, 4);
    } else {
        ++strayAccesses_;
    }
}

} // namespace k7r::view
