// A walk through the utility's window for people to look at: every tab
// (the Panel tabs with a panel of each kind, the Direct tab live on the
// board emulator), the panel preview beside it, every dialog and the Panel
// Diagrams window, pictured into build/<preset>/screenshots by
// scripts/screenshots.sh. It checks nothing; it says which picture it could
// not take.
#include "cfgui/resource.h"
#include "cfgui/tabs.h"
#include "cfgui/win32/diagrams_window.h"
#include "cfgui/win32/win32_view.h"
#include "hal/access.h"
#include "regs/field_names.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/win32/gui_harness.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace k7r::cfgui::gui {
namespace {

// Pictures wait for another program.
constexpr int kPictureMs = 30000;

const std::string kDirectory = std::string(K7R_BINARY_DIR) + "/screenshots";

int missing = 0;

std::string ShellQuoted(const std::string& text) {
    return "'" + text + "'";
}

// The screen around the window, as the X server shows it, into
// kDirectory/NAME.png. False when it could not be taken.
bool Screenshot(const std::string& name, HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    PumpPending();
    RECT place;
    GetWindowRect(window, &place);
    const std::string target = kDirectory + "/" + name + ".png";
    const std::string partial = kDirectory + "/." + name + ".png";
    CreateDirectoryA(WindowsPath(kDirectory).c_str(), nullptr);
    DeleteFileA(WindowsPath(target).c_str());

    // ImageMagick reads the X server's picture; the name appears once the
    // picture is complete, which is how this side learns that it is done.
    const std::string crop = std::to_string(place.right - place.left) + "x" +
                             std::to_string(place.bottom - place.top) + "+" +
                             std::to_string(place.left) + "+" + std::to_string(place.top);
    std::string command = "Z:\\bin\\sh -c \"import -window root -crop " + crop + " +repage " +
                          ShellQuoted(partial) + " && mv " + ShellQuoted(partial) + " " +
                          ShellQuoted(target) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return PumpUntil(
        [&] { return GetFileAttributesA(WindowsPath(target).c_str()) != INVALID_FILE_ATTRIBUTES; },
        20000);
}

void Picture(const std::string& name, HWND window) {
    if (!Screenshot(name, window)) {
        std::fprintf(stderr, "screenshot_tour: no picture %s\n", name.c_str());
        ++missing;
    }
}

// The windows the action opens, each pictured (when named) and answered.
void PictureWindows(const std::function<void()>& action,
                    const std::vector<std::tuple<std::string, std::string, int>>& windows) {
    ModalScript script;
    for (const auto& window : windows) {
        script.Expect(std::get<0>(window), [window](HWND open) {
            const auto& [title, name, button] = window;
            if (!name.empty()) {
                Picture(name, open);
            }
            // The Export dialog chooses the mode header, whose save dialog
            // has its Options button enabled, in a child dialog of its own.
            SendDlgItemMessageA(open, IDC_EXPORT_KINDS, LB_SETCURSEL, 2, 0);
            const HWND inChild = Descendant(open, button);
            if (inChild != nullptr && GetParent(inChild) != open) {
                PostMessageA(inChild, BM_CLICK, 0, 0);
            } else {
                ModalScript::Press(button)(open);
            }
        });
    }
    if (!script.Run(action, kPictureMs)) {
        std::fprintf(stderr, "screenshot_tour: not every window of \"%s\"\n",
                     std::get<0>(windows.front()).c_str());
        ++missing;
    }
}

void ClickFeature(Session& session, std::uint32_t id) {
    const std::string name = regs::FormatFieldName(id, regs::kShowName | regs::kShowAttributes);
    const win32::Win32View view(session.Page());
    for (int line = 0; line < view.ItemCount(IDC_FEATURE_LIST); ++line) {
        if (view.LineText(IDC_FEATURE_LIST, line, 1) == name) {
            ClickLine(session.Control(IDC_FEATURE_LIST), line);
        }
    }
}

void Tour(Session& session) {
    const HWND main = session.Main();
    for (int tab = 0; tab < static_cast<int>(kTabCount); ++tab) {
        SelectTab(session, tab);
        Picture("tab" + std::to_string(tab), main);
    }
    // A TFT, an HR-TFT and an STN panel of the list, each with its power.
    const std::pair<int, const char*> panels[] = {{0, "tft"}, {7, "hrtft"}, {8, "stn"}};
    for (const auto& [item, kind] : panels) {
        SelectTab(session, kPanelTab);
        PickItem(session.Control(IDC_PREDEFINED_PANELS), item);
        Picture(std::string("panel_") + kind, main);
        SelectTab(session, kPowerTab);
        Picture(std::string("panel_power_") + kind, main);
    }
    SelectTab(session, kPanelTab);
    ClickFeature(session, regs::kIdFplinePol);
    Picture("panel_list_editor", main);
    ClickFeature(session, regs::kIdHorzDisplay);
    Picture("panel_drop_down_editor", main);

    PictureWindows([&] { ChooseMenu(main, IDM_HELP_ABOUT); },
                   {{"About 58C22CFG", "about", IDCANCEL}});
    PictureWindows([&] { ChooseMenu(main, IDM_FILE_EXPORT); },
                   {{"Export", "export", IDOK},
                    {"Export As", "export_save", IDC_EXPORT_OPTIONS},
                    {"Export Options", "export_options", IDCANCEL},
                    {"Export As", "", IDCANCEL}});
    PictureWindows([&] { ChooseMenu(main, IDM_FILE_CONFIGURE_MULTIPLE); },
                   {{"Configure Multiple", "configure_multiple", IDCANCEL}});
    // More files than a message box holds: copies of the image, configured.
    std::vector<std::string> copies;
    for (int i = 10; i < 50; ++i) {
        copies.push_back(WindowsPath(kDirectory + "/board" + std::to_string(i) + ".exe"));
        CopyFileA(WindowsPath(kDirectory + "/viewer.exe").c_str(), copies.back().c_str(), FALSE);
    }
    PictureWindows([&] { DropFiles(main, copies); },
                   {{"Configure Multiple", "", IDC_CONFIGURE},
                    {"Configure Multiple Summary", "configure_summary", IDOK}});
    for (const std::string& copy : copies) {
        DeleteFileA(copy.c_str()); // the folder is for pictures
    }

    SelectTab(session, kRegistersTab);
    const HWND registers = session.Control(IDC_REGISTER_LIST);
    ListView_SetItemState(registers, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    FocusOn(registers);
    PictureWindows([] { PressKey(VK_RETURN); },
                   {{"Modify register 8000h", "modify_register", IDCANCEL}});

    // The panel preview beside the main window; the screen, to show both.
    SelectTab(session, kPreferencesTab);
    ChooseMenu(main, IDM_VIEW_PANEL_PREVIEW);
    PumpUntil([&] { return session.window.PreviewWindowHandle() != nullptr; });
    Picture("preview_beside_main", GetDesktopWindow());
    SendMessageA(session.window.PreviewWindowHandle(), WM_CLOSE, 0, 0);

    SelectTab(session, kDirectTab);
    Click(session.Control(IDC_INITIALIZE_CHIP));
    Click(session.Control(IDC_DRAW_TEST_PATTERN));
    Click(session.Control(IDC_WRITE_IMMEDIATELY));
    Picture("direct_page_live", main);
    SelectTab(session, kRegistersTab);
    Picture("registers_page_live", main);
    SelectTab(session, kDirectTab);
    Click(session.Control(IDC_SHUTDOWN_CHIP));

    // The Panel Diagrams window with a TFT panel's timing, again after its
    // Horz Total changed on the Panel page, and with the clock tree.
    SelectTab(session, kPanelTab);
    PickItem(session.Control(IDC_PREDEFINED_PANELS), 4); // VGA TFT 640x480
    ChooseMenu(main, IDM_VIEW_DIAGRAMS);
    const HWND pictures = session.window.Diagrams().Window();
    Picture("diagrams_timing", pictures);
    ClickFeature(session, regs::kIdHorzTotal);
    TypeInto(session.Control(IDC_FEATURE_NUMBER), "1000");
    FocusOn(session.Control(IDC_FEATURE_LIST));
    const diagrams::Picture& shown = session.window.Diagrams().Logic().Shown();
    PumpUntil([&] {
        return std::ranges::any_of(shown.labels, [](const diagrams::Label& label) {
            return label.text.starts_with("Horz Total 1000 ");
        });
    });
    // Wine on a bare X server leaves the main window over the window it
    // owns once the main window is used; Windows keeps the owned one above.
    SetWindowPos(pictures, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Picture("diagrams_timing_changed", pictures);
    PickItem(GetDlgItem(pictures, IDC_DIAGRAMS_SHOW), 1);
    Picture("diagrams_clocks", pictures);
    SendMessageA(pictures, WM_CLOSE, 0, 0);
}

} // namespace
} // namespace k7r::cfgui::gui

int main() {
    using namespace k7r;
    using namespace k7r::cfgui::gui;
    const std::string image = PrepareEmulatedBoard(kDirectory);

    Session session;
    session.app.panels.LoadFile(WindowsPath(std::string(K7R_SOURCE_DIR) + "/panels/PANELS.DEF"),
                                [](const std::string& text) { std::fputs(text.c_str(), stderr); });
    if (session.Main() == nullptr || !session.window.OpenFile(image)) {
        std::fputs("screenshot_tour: the utility's window did not open\n", stderr);
        return 1;
    }
    Tour(session);
    hal::ReleaseChip();
    return missing == 0 ? 0 : 1;
}
