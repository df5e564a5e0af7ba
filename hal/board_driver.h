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

// How the program opens its board driver; nullptr when it cannot be opened.
using BoardDriverOpener = std::unique_ptr<BoardDriver> (*)();

// The system's board driver: the K7R58xxx kernel driver on Windows, none
// elsewhere. The layer uses it unless the program chose another opener.
std::unique_ptr<BoardDriver> OpenSystemBoardDriver();

// Chooses the opener that every later acquire uses. The layer knows no
// driver but the system's; a program that offers others (the board
// emulator) hands its choice in here before the first acquire.
void UseBoardDriver(BoardDriverOpener opener);

// Opens the board driver through the chosen opener.
std::unique_ptr<BoardDriver> OpenBoardDriver();

} // namespace k7r::hal
