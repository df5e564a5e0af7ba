#include "cfgui/win32/common_controls.h"

#include "cfgui/win32/message_box.h"

#include <shlwapi.h>

#include <cstdio>

namespace k7r::cfgui::win32 {

std::uint32_t CommonControlsVersion() {
    constexpr std::uint32_t kUnknown = 4 * 256;
    const HMODULE library = LoadLibraryA("comctl32.dll");
    if (library == nullptr) {
        return kUnknown;
    }
    std::uint32_t version = kUnknown;
    const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    if (getVersion != nullptr && SUCCEEDED(getVersion(&info))) {
        version = info.dwMajorVersion * 256 + info.dwMinorVersion;
    }
    FreeLibrary(library);
    return version;
}

void OfferCommonControlsUpdate(HWND owner, std::uint32_t foundVersion) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "This program requires version %u.%02u (or greater) common controls.\n"
                  "Your system is using version %u.%02u common controls.\n\n"
                  "Do you want to exit this program and update to version 5.80 common "
                  "controls?",
                  kRequiredCommonControls / 256, kRequiredCommonControls % 256, foundVersion / 256,
                  foundVersion % 256);
    if (ShowMessage(owner, MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON2, text) != IDYES) {
        return;
    }
    ShowMessage(owner, MB_ICONERROR | MB_OK, "Unable to update common controls.");
}

} // namespace k7r::cfgui::win32
