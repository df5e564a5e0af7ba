#include "hal/driver_select.h"

#include "hal/board_driver.h"
#include "hal/layer.h"
#include "hal/layer_state.h"

#ifdef _WIN32
#include "hal/win32/win32_board_driver.h"
#endif

#include <utility>

namespace k7r::hal {

std::unique_ptr<BoardDriver> OpenSystemBoardDriver() {
#ifdef _WIN32
    return OpenWin32BoardDriver();
#else
    return nullptr;
#endif
}

void UseBoardDriver(BoardDriverOpener opener) {
    BoundLayer().State().opener = opener ? std::move(opener) : OpenSystemBoardDriver;
}

std::unique_ptr<BoardDriver> OpenBoardDriver() {
    return State().opener();
}

} // namespace k7r::hal
