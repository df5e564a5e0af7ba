#include "emu/emulated_driver.h"
#include "hal/board_driver.h"

#ifdef _WIN32
#include "hal/win32/win32_board_driver.h"
#endif

namespace k7r::hal {

// Without the emulator, POSIX systems have no board driver.
std::unique_ptr<BoardDriver> OpenBoardDriver() {
    if (emu::EmulatorSelected()) {
        return emu::OpenEmulatedDriver();
    }
#ifdef _WIN32
    return OpenWin32BoardDriver();
#else
    return nullptr;
#endif
}

} // namespace k7r::hal
