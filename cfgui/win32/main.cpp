#include "cfgui/win32/common_controls.h"
#include "cfgui/win32/program.h"

#include <cstdlib>

// 58C22CFG.EXE [file]: the file is opened at start, as when it is dropped on
// the program's icon or opened by association.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    k7r::cfgui::win32::ProgramOptions options;
    if (__argc > 1) {
        options.file = __argv[1];
    }
    options.commonControlsVersion = k7r::cfgui::win32::CommonControlsVersion();
    return k7r::cfgui::win32::RunProgram(instance, options);
}
