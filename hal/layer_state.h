#pragma once

#include "config/hal_struct.h"
#include "hal/board_driver.h"
#include "hal/clock_synth.h"
#include "hal/error_text.h"

#include <array>
#include <cstdint>
#include <memory>

namespace k7r::hal {

// The layer's process-wide state. Internal to hal/: callers go through the
// functions of hal.h and init.h.
struct LayerState {
    HAL_STRUCT* record = nullptr;
    std::unique_ptr<BoardDriver> driver;
    // Address the driver returned for the current mapping, kept to undo it.
    std::uintptr_t linearAddress = 0;
    std::uintptr_t registerBase = 0;
    std::uintptr_t memoryBase = 0;
    RegisterBus* bus = nullptr;
    std::uint32_t lastError = kErrNone;
    bool releaseRegistered = false;
    std::array<ClockEntry, kSynthRegisterCount> clocks{};
};

LayerState& State();

} // namespace k7r::hal
