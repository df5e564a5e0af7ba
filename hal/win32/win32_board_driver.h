#pragma once

#include "hal/board_driver.h"

#include <memory>

namespace k7r::hal {

// The K7R58xxx kernel driver; nullptr when its device cannot be opened.
std::unique_ptr<BoardDriver> OpenWin32BoardDriver();

} // namespace k7r::hal
