#pragma once

#include "emu/board.h"
#include "hal/board_driver.h"

#include <memory>

namespace k7r::emu {

// The environment variable that selects the emulator. A value ending in
// ".png" is also the path where the panel picture is written each time the
// layer releases the board, and whenever the program says the panel may
// have changed and the picture did.
inline constexpr const char* kEmulatorVariable = "K7R58_EMULATOR";

// True when the variable is set to a non-empty value.
bool EmulatorSelected();

// The one emulated board of the process. It lives until the process ends
// (never destroyed, so that the layer's release at exit still finds it).
EmulatedBoard& TheBoard();

// False once a panel picture could not be written (the reason was said on
// standard error).
bool PanelPicturesWritten();

// A driver handle on TheBoard().
std::unique_ptr<hal::BoardDriver> OpenEmulatedDriver();

// A driver handle on a board the program keeps for itself, which writes no
// panel pictures: K7R58_EMULATOR names TheBoard's file alone.
std::unique_ptr<hal::BoardDriver> OpenDriverOn(EmulatedBoard& board);

} // namespace k7r::emu
