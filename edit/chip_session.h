#pragma once

#include "config/working_config.h"

#include <string>

// The utility's hold on a physical chip (the Direct tab and the command
// line's initialization): the working configuration's Bound, Live,
// AutoRedraw and RedrawCountdown bookkeeping around the chip access layer,
// which itself knows only its own record.
namespace k7r::edit {

// The initialization options, as they start in a run.
struct InitSteps {
    bool softwareReset = false;
    bool programClockChip = true;
    bool initializeRegisters = true;
    bool initializeLookupTable = true;
    bool clearVideoMemory = true;
};

// Copies the working record over the layer's record with a fresh CRC,
// acquires the chip once per process (bases kept in `config`), initializes it
// and updates Bound/Live/RedrawCountdown. Returns true on success; `message`
// gets "Initialized K7R58C22 using HAL build 2.\n" or "Cannot Initialize: ...".
bool InitializeFromWorkingConfig(config::WorkingConfig& config, const InitSteps& steps,
                                 std::string* message = nullptr);

// Resets the chip (USB and display blocks) when bound; always unbinds.
void ShutdownChip(config::WorkingConfig& config);

// "Hot to Chip": reads and writes go to the chip, which can be only while
// it is bound to this configuration.
void SetLive(config::WorkingConfig& config, bool live);

// Redrawing the test pattern after picture-changing edits; turning it on
// redraws it at the next tick.
void SetAutoRedraw(config::WorkingConfig& config, bool on);

} // namespace k7r::edit
