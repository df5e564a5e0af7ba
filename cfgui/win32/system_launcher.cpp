#include "cfgui/win32/system_launcher.h"

#include <windows.h>

#include <shellapi.h>

namespace k7r::cfgui::win32 {
namespace {

// ShellExecute reports success as a value above 32.
bool Started(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

bool SystemLauncher::OpenInTextEditor(const std::string& path) {
    // Quoted, so that a temporary directory with spaces stays one argument.
    const std::string argument = "\"" + path + "\"";
    return Started(
        ShellExecuteA(nullptr, "open", "notepad.exe", argument.c_str(), nullptr, SW_SHOWNORMAL));
}

bool SystemLauncher::OpenWithDefaultProgram(const std::string& path) {
    return Started(ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

} // namespace k7r::cfgui::win32
