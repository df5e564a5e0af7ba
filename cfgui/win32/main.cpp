#include "cfgui/win32/common_controls.h"
#include "cfgui/win32/program.h"
#include "emu/driver_choice.h"
#include "hal/access.h"
#include "platform/command_line.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The chip access layer's record, which the Direct tab fills from the
// working configuration when it initializes the chip.
HAL_STRUCT chipRecord{};

} // namespace

// 58C22CFG.EXE [file]: the file is opened at start, as when it is dropped on
// the program's icon or opened by association. K7R58_EMULATOR makes the
// Direct tab drive the board emulator.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    k7r::emu::OfferEmulatedBoard();
    k7r::hal::UseRecord(chipRecord);
    k7r::cfgui::win32::ProgramOptions options;
    if (const std::vector<std::string> arguments = k7r::platform::ProgramArguments(__argc, __argv);
        !arguments.empty()) {
        options.file = arguments.front();
    }
    options.commonControlsVersion = k7r::cfgui::win32::CommonControlsVersion();
    return k7r::cfgui::win32::RunProgram(instance, options);
}
