#pragma once

#include "cfgui/pages/page_registry.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace k7r::cfgui::win32 {

struct ProgramOptions {
    // Opened at start as File Open would; empty for none.
    std::string file;
    // The common-controls version found (major * 256 + minor).
    std::uint32_t commonControlsVersion = 0;
    PageTable pages = StandardPages();
};

// The utility from start to exit: the common-controls check, the main
// window, the message loop. Returns the program's exit status.
int RunProgram(HINSTANCE instance, const ProgramOptions& options);

// Messages until the main window is gone, each offered to its keyboard
// handling first.
class MainWindow;
void RunMessageLoop(MainWindow& window);

} // namespace k7r::cfgui::win32
