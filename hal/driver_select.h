#pragma once

#include "hal/board_driver.h"

#include <memory>

// Which board driver the layer opens.
namespace k7r::hal {

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
