#include "cfgui/win32/system_launcher.h"

#include <windows.h>

#include <shellapi.h>

namespace k7r::cfgui::win32 {
namespace {

// ShellExecute reports success as a value above 32.
bool Started(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// The web page class's own program, for systems that have a browser but no
// association for the file's extension (Wine prefixes without the HTML
// engine registered).
bool OpenAsWebPage(const std::string& path) {
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_CLASSNAME;
    execute.lpClass = "htmlfile";
    execute.lpFile = path.c_str();
    execute.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&execute) != FALSE;
}

} // namespace

bool SystemLauncher::OpenInTextEditor(const std::string& path) {
    // Quoted, so that a temporary directory with spaces stays one argument.
    const std::string argument = "\"" + path + "\"";
    return Started(
        ShellExecuteA(nullptr, "open", "notepad.exe", argument.c_str(), nullptr, SW_SHOWNORMAL));
}

bool SystemLauncher::OpenWithDefaultProgram(const std::string& path) {
    const HINSTANCE result =
        ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) == SE_ERR_NOASSOC) {
        return OpenAsWebPage(path);
    }
    return Started(result);
}

} // namespace k7r::cfgui::win32
