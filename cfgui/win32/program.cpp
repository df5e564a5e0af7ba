#include "cfgui/win32/program.h"

#include "cfgui/application.h"
#include "cfgui/win32/common_controls.h"
#include "cfgui/win32/main_window.h"
#include "cfgui/win32/message_box.h"
#include "cfgui/win32/slider.h"
#include "cfgui/win32/system_launcher.h"
#include "config/default_records.h"

#include <commctrl.h>

namespace k7r::cfgui::win32 {

void RunMessageLoop(MainWindow& window) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!window.PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

int RunProgram(HINSTANCE instance, const ProgramOptions& options) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (options.commonControlsVersion < kRequiredCommonControls) {
        OfferCommonControlsUpdate(nullptr, options.commonControlsVersion);
        return 1;
    }
    if (!RegisterMainWindowClass(instance)) {
        return 1;
    }

    Application app(TemplateRecord);
    app.panels.Load(
        [](const std::string& text) { ShowMessage(nullptr, MB_ICONERROR | MB_OK, text); });
    WidenSliderClass(instance);
    int status = 1;
    {
        SystemLauncher launcher;
        MainWindow window(app, options.pages, launcher);
        if (window.Create(instance)) {
            if (!options.file.empty()) {
                window.OpenFile(options.file);
            }
            RunMessageLoop(window);
            status = 0;
        }
    }
    RestoreSliderClass(instance);
    return status;
}

} // namespace k7r::cfgui::win32
