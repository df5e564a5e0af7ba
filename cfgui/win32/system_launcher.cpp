#include "cfgui/win32/system_launcher.h"

#include "platform/win32/wide_text.h"

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
bool OpenAsWebPage(const std::wstring& path) {
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_CLASSNAME;
    execute.lpClass = L"htmlfile";
    execute.lpFile = path.c_str();
    execute.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&execute) != FALSE;
}

} // namespace

bool SystemLauncher::OpenInTextEditor(const std::string& path) {
    // Quoted, so that a temporary directory with spaces stays one argument.
    const std::wstring argument = L"\"" + platform::Widen(path) + L"\"";
    return Started(
        ShellExecuteW(nullptr, L"open", L"notepad.exe", argument.c_str(), nullptr, SW_SHOWNORMAL));
}

bool SystemLauncher::OpenWithDefaultProgram(const std::string& path) {
    // The temporary directory lies in the user's profile, named in any script.
    const std::wstring file = platform::Widen(path);
    const HINSTANCE result =
        ShellExecuteW(nullptr, nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) == SE_ERR_NOASSOC) {
        return OpenAsWebPage(file);
    }
    return Started(result);
}

} // namespace k7r::cfgui::win32
