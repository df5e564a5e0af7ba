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
#include "emu/driver_choice.h"
#include "emu/emulated_driver.h"
#include "hal/access.h"
#include "regs/field_names.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/win32/gui_harness.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace k7r::cfgui::gui {
namespace {

// Pictures wait for another program.
constexpr int kPictureMs = 30000;

const std::string kDirectory = std::string(K7R_BINARY_DIR) + "/screenshots";

HAL_STRUCT chipRecord{};
int missing = 0;

void Picture(const std::string& name, HWND window) {
    if (!Screenshot(name, window)) {
        std::fprintf(stderr, "screenshot_tour: no picture %s\n", name.c_str());
        ++missing;
    }
}

// The dialog the action opens, pictured and cancelled.
void PictureDialog(const std::string& name, const std::string& title,
                   const std::function<void()>& action) {
    ModalScript script;
    script.Expect(title,
                  ModalScript::Inspect([&](HWND dialog) { Picture(name, dialog); }, IDCANCEL));
    if (!script.Run(action, kPictureMs)) {
        std::fprintf(stderr, "screenshot_tour: no window \"%s\"\n", title.c_str());
        ++missing;
    }
}

// The summary of a run over more files than a message box holds: copies of
// the image dropped on the main window and configured.
void PictureConfigureSummary(Session& session) {
    const std::string image = WindowsPath(kDirectory + "/viewer.exe");
    std::vector<std::string> copies;
    for (int i = 10; i < 50; ++i) {
        copies.push_back(WindowsPath(kDirectory + "/board" + std::to_string(i) + ".exe"));
        CopyFileA(image.c_str(), copies.back().c_str(), FALSE);
    }
    ModalScript script;
    script
        .Expect(
            "Configure Multiple",
            [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_CONFIGURE), BM_CLICK, 0, 0); })
        .Expect(
            "Configure Multiple Summary",
            ModalScript::Inspect([](HWND dialog) { Picture("configure_summary", dialog); }, IDOK));
    if (!script.Run([&] { DropFiles(session.Main(), copies); }, kPictureMs)) {
        std::fputs("screenshot_tour: no window \"Configure Multiple Summary\"\n", stderr);
        ++missing;
    }
    // The folder is for pictures.
    for (const std::string& copy : copies) {
        DeleteFileA(copy.c_str());
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

// The Panel Diagrams window with a TFT panel's timing, again after its
// Horz Total changed on the Panel page, and with the clock tree.
void PictureDiagrams(Session& session) {
    SelectTab(session, kPanelTab);
    PickItem(session.Control(IDC_PREDEFINED_PANELS), 4); // VGA TFT 640x480
    ChooseMenu(session.Main(), IDM_VIEW_DIAGRAMS);
    const HWND pictures = session.window.Diagrams().Window();
    Picture("diagrams_timing", pictures);
    ClickFeature(session, regs::kIdHorzTotal);
    TypeInto(session.Control(IDC_FEATURE_NUMBER), "1000");
    FocusOn(session.Control(IDC_FEATURE_LIST));
    const diagrams::Picture& shown = session.window.Diagrams().Logic().Shown();
    PumpUntil([&] {
        return std::any_of(shown.labels.begin(), shown.labels.end(),
                           [](const diagrams::Label& label) {
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

void Tour(Session& session) {
    for (int tab = 0; tab < static_cast<int>(kTabCount); ++tab) {
        SelectTab(session, tab);
        Picture("tab" + std::to_string(tab), session.Main());
    }

    // A TFT, an HR-TFT and an STN panel of the list, each with its power.
    const std::pair<int, const char*> panels[] = {{0, "tft"}, {7, "hrtft"}, {8, "stn"}};
    for (const auto& [item, kind] : panels) {
        SelectTab(session, kPanelTab);
        PickItem(session.Control(IDC_PREDEFINED_PANELS), item);
        Picture(std::string("panel_") + kind, session.Main());
        SelectTab(session, kPowerTab);
        Picture(std::string("panel_power_") + kind, session.Main());
    }
    SelectTab(session, kPanelTab);
    ClickFeature(session, regs::kIdFplinePol);
    Picture("panel_list_editor", session.Main());
    ClickFeature(session, regs::kIdHorzDisplay);
    Picture("panel_drop_down_editor", session.Main());

    PictureDialog("about", "About 58C22CFG", [&] { ChooseMenu(session.Main(), IDM_HELP_ABOUT); });
    PictureDialog("export", "Export", [&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); });
    // The mode header's save dialog, whose Options button is enabled.
    ModalScript save;
    save.Expect("Export",
                [](HWND dialog) {
                    SendDlgItemMessageA(dialog, IDC_EXPORT_KINDS, LB_SETCURSEL, 2, 0);
                    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                })
        .Expect("Export As",
                [](HWND dialog) {
                    Picture("export_save", dialog);
                    PostMessageA(Descendant(dialog, IDC_EXPORT_OPTIONS), BM_CLICK, 0, 0);
                })
        .Expect(
            "Export Options",
            ModalScript::Inspect([](HWND dialog) { Picture("export_options", dialog); }, IDCANCEL))
        .Expect("Export As", ModalScript::Press(IDCANCEL));
    save.Run([&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); }, kPictureMs);
    PictureDialog("configure_multiple", "Configure Multiple",
                  [&] { ChooseMenu(session.Main(), IDM_FILE_CONFIGURE_MULTIPLE); });
    PictureConfigureSummary(session);

    SelectTab(session, kRegistersTab);
    const HWND registers = session.Control(IDC_REGISTER_LIST);
    ListView_SetItemState(registers, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    FocusOn(registers);
    ModalScript modify;
    modify.Expect(
        "Modify register 8000h",
        ModalScript::Inspect([](HWND dialog) { Picture("modify_register", dialog); }, IDCANCEL));
    modify.Run([] { PressKey(VK_RETURN); }, kPictureMs);

    // The panel preview beside the main window; the screen, to show both.
    SelectTab(session, kPreferencesTab);
    ChooseMenu(session.Main(), IDM_VIEW_PANEL_PREVIEW);
    if (PumpUntil([&] { return session.window.PreviewWindowHandle() != nullptr; })) {
        Picture("preview_beside_main", GetDesktopWindow());
        SendMessageA(session.window.PreviewWindowHandle(), WM_CLOSE, 0, 0);
    } else {
        std::fputs("screenshot_tour: no panel preview window\n", stderr);
        ++missing;
    }

    SelectTab(session, kDirectTab);
    Click(session.Control(IDC_INITIALIZE_CHIP));
    Click(session.Control(IDC_DRAW_TEST_PATTERN));
    Click(session.Control(IDC_WRITE_IMMEDIATELY));
    Picture("direct_page_live", session.Main());
    SelectTab(session, kRegistersTab);
    Picture("registers_page_live", session.Main());
    SelectTab(session, kDirectTab);
    Click(session.Control(IDC_SHUTDOWN_CHIP));

    PictureDiagrams(session);
}

} // namespace
} // namespace k7r::cfgui::gui

int main() {
    using namespace k7r;
    using namespace k7r::cfgui::gui;
    const std::string image = kDirectory + "/viewer.exe";
    CreateDirectoryA(WindowsPath(kDirectory).c_str(), nullptr);
    std::ifstream source(std::string(K7R_BINARY_DIR) + "/tests/images/carrier.exe",
                         std::ios::binary);
    std::ofstream(image, std::ios::binary) << source.rdbuf();
    const std::string panel = WindowsPath(kDirectory + "/panel.png");
    _putenv_s(emu::kEmulatorVariable, panel.c_str());
    emu::OfferEmulatedBoard();
    hal::UseRecord(chipRecord);

    Session session;
    session.app.panels.LoadFile(WindowsPath(std::string(K7R_SOURCE_DIR) + "/panels/PANELS.DEF"),
                                [](const std::string& text) { std::fputs(text.c_str(), stderr); });
    if (session.Main() == nullptr || !session.window.OpenFile(WindowsPath(image))) {
        std::fputs("screenshot_tour: the utility's window did not open\n", stderr);
        return 1;
    }
    Tour(session);
    hal::ReleaseChip();
    return missing == 0 ? 0 : 1;
}
