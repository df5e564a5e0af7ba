#pragma once

namespace k7r::emu {

// Makes the chip access layer open the board emulator while the environment
// variable K7R58_EMULATOR is set (looked at on every acquire), and the
// system's board driver otherwise. Programs that initialize a board call it
// once at start; the layer itself knows nothing of the emulator.
void OfferEmulatedBoard();

// False when the emulated board's panel picture could not be written as the
// layer released the board (the reason was said on standard error).
bool EmulatedPanelPicturesWritten();

} // namespace k7r::emu
