#pragma once

#include "config/working_config.h"

#include <string>

namespace k7r::hal {

// The steps the Direct tab lets the user choose.
struct InitSteps {
    bool softwareReset = true;
    bool programClockChip = true;
    bool initializeRegisters = true;
    bool initializeLookupTable = true;
    bool clearVideoMemory = true;
};

// Copies the working record over the layer's record with a fresh CRC,
// acquires the chip once per process (bases kept in `config`), initializes it
// and updates Bound/Live/RedrawCountdown. Returns true on success; `message`
// gets "Initialized K7R58C22 using HAL build 2.\n" or "Cannot Initialize: ...".
bool InitializeFromWorkingConfig(WorkingConfig& config, const InitSteps& steps,
                                 std::string* message = nullptr);

// Resets the chip (USB and display blocks) when bound; always unbinds.
void ShutdownChip(WorkingConfig& config);

} // namespace k7r::hal
