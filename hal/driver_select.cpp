#include "hal/driver_select.h"

#include "hal/board_driver.h"

#ifdef _WIN32
#include "hal/win32/win32_board_driver.h"
#endif

namespace k7r::hal {
namespace {

BoardDriverOpener chosenOpener = OpenSystemBoardDriver;

} // namespace

std::unique_ptr<BoardDriver> OpenSystemBoardDriver() {
#ifdef _WIN32
    return OpenWin32BoardDriver();
#else
    return nullptr;
#endif
}

void UseBoardDriver(BoardDriverOpener opener) {
    chosenOpener = opener != nullptr ? opener : OpenSystemBoardDriver;
}

std::unique_ptr<BoardDriver> OpenBoardDriver() {
    return chosenOpener();
}

} // namespace k7r::hal
