#pragma once

#include <cstdint>
#include <memory>
#include <optional>

namespace k7r::hal {

// Where register accesses go when they are not plain memory accesses: the
// board emulator observes every register read and write through it. Display
// memory is always plain memory.
class RegisterBus {
  public:
    virtual ~RegisterBus() = default;
    virtual std::uint16_t Read16(std::uintptr_t address) = 0;
    virtual std::uint32_t Read32(std::uintptr_t address) = 0;
    virtual void Write16(std::uintptr_t address, std::uint16_t value) = 0;
    virtual void Write32(std::uintptr_t address, std::uint32_t value) = 0;
};

// An open handle to the board driver and its three requests. Destroying the
// object closes the handle; mappings not undone by then die with it.
class BoardDriver {
  public:
    virtual ~BoardDriver() = default;

    // Linear address of the chip registers of board `board`, with display
    // memory 2 MB above; nullopt when the driver refuses.
    virtual std::optional<std::uintptr_t> LocateBoard(std::uint32_t board) = 0;
    // Linear address of the start of the physical range; nullopt on refusal.
    virtual std::optional<std::uintptr_t> MapPhysical(std::uint32_t physical,
                                                      std::uint32_t length) = 0;
    // False when the driver refuses.
    virtual bool Unmap(std::uintptr_t linear) = 0;

    // nullptr: registers are plain memory at the mapped addresses.
    virtual RegisterBus* Bus() { return nullptr; }

    // The chip's registers or display memory may have changed what the
    // panel shows. Nothing to do for a real panel.
    virtual void PanelMayHaveChanged() {}
};

} // namespace k7r::hal
