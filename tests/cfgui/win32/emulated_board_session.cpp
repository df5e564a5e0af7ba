#include "tests/cfgui/win32/emulated_board_session.h"

#include "emu/driver_choice.h"
#include "emu/emulated_driver.h"
#include "hal/access.h"
#include "tests/cfgui/win32/gui_harness.h"

#include <windows.h>

#include <cstdlib>

namespace k7r::cfgui::gui {

std::string PrepareEmulatedBoard(const std::string& directory) {
    static HAL_STRUCT chipRecord{};
    CreateDirectoryA(WindowsPath(directory).c_str(), nullptr);
    const std::string image = TestImageIn(directory);
    _putenv_s(emu::kEmulatorVariable, WindowsPath(directory + "/panel.png").c_str());
    emu::OfferEmulatedBoard();
    hal::UseRecord(chipRecord);
    return image;
}

} // namespace k7r::cfgui::gui
