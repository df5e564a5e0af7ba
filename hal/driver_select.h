#pragma once

#include "hal/board_driver.h"

#include <functional>
#include <memory>

// Which board driver the layer opens.
namespace k7r::hal {

// How a layer opens its board driver; nullptr when it cannot be opened.
using BoardDriverOpener = std::function<std::unique_ptr<BoardDriver>()>;

// The system's board driver: the K7R58xxx kernel driver on Windows, none
// elsewhere. A layer uses it unless it was made with another opener.
std::unique_ptr<BoardDriver> OpenSystemBoardDriver();

// Chooses the opener that every later acquire of the bound layer uses. The
// layer knows no driver but the system's; a program that offers others
// (the board emulator) hands its choice in here before the first acquire.
void UseBoardDriver(BoardDriverOpener opener);

// Opens the board driver through the opener of the layer in use.
std::unique_ptr<BoardDriver> OpenBoardDriver();

} // namespace k7r::hal
