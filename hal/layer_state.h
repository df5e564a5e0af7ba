#pragma once

#include "config/hal_struct.h"
#include "hal/board_driver.h"
#include "hal/clock_synth.h"
#include "hal/driver_select.h"
#include "hal/error_text.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace k7r::hal {

// What one Layer holds. Internal to hal/: callers go through the layer's
// functions.
struct LayerState {
    BoardDriverOpener opener;
    // The record given by UseRecord; the layer's own unconfigured one until
    // then.
    HAL_STRUCT* record = nullptr;
    HAL_STRUCT ownRecord{};
    std::unique_ptr<BoardDriver> driver;
    // Address the driver returned for the current mapping, kept to undo it.
    std::uintptr_t linearAddress = 0;
    std::uintptr_t registerBase = 0;
    std::uintptr_t memoryBase = 0;
    RegisterBus* bus = nullptr;
    std::uint32_t lastError = kErrNone;
    std::array<ClockEntry, kSynthRegisterCount> clocks{};
    // The lookup table the last load chose; kept for depths that have none
    // of their own.
    std::span<const std::uint32_t> currentTable;
};

// The state of the layer in use.
LayerState& State();

} // namespace k7r::hal
