// A program image of hundreds of megabytes opened and saved in the
// utility's real window, for scripts/big_image.sh: how long each took and
// the longest the window went without handling a message, which a timer
// asks of it every 10 ms. It prints what it measured; it fails only when
// the file does not open or save.
//
// big_image FILE
#include "cfgui/resource.h"
#include "tests/cfgui/win32/gui_harness.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace k7r::cfgui::gui {
namespace {

constexpr UINT kProbeMs = 10;
constexpr int kStepMs = 10 * 60 * 1000;

DWORD last = 0;
DWORD longest = 0;

void CALLBACK Probe(HWND, UINT, UINT_PTR, DWORD) {
    const DWORD now = GetTickCount();
    longest = std::max(longest, now - last);
    last = now;
}

void StartWatching() {
    PumpPending();
    last = GetTickCount();
    longest = 0;
}

void Report(const char* step, DWORD started) {
    // The tick that comes after the step closes its gap.
    PumpUntil([] { return false; }, 3 * kProbeMs);
    std::printf("%s: %lu ms, longest gap between handled messages %lu ms\n", step,
                GetTickCount() - started, longest);
}

int Measure(const std::string& path) {
    Session session;
    const UINT_PTR timer = SetTimer(nullptr, 0, kProbeMs, Probe);
    StartWatching();
    DWORD started = GetTickCount();
    if (!session.window.OpenFile(path)) {
        std::fputs("big_image: the file did not open\n", stderr);
        return 1;
    }
    Report("open", started);

    std::strcpy(session.app.session.config.Record.Description, "saved by big_image");
    ModalScript saved;
    saved.Expect("58C22CFG", ModalScript::Press(IDOK));
    StartWatching();
    started = GetTickCount();
    const bool done = saved.Run([&] { ChooseMenu(session.Main(), IDM_FILE_SAVE); }, kStepMs);
    Report("save", started);
    KillTimer(nullptr, timer);
    if (!done || saved.Texts().empty() ||
        saved.Texts()[0].rfind("Configuration data saved", 0) != 0) {
        std::fputs("big_image: the file was not saved\n", stderr);
        return 1;
    }
    return 0;
}

} // namespace
} // namespace k7r::cfgui::gui

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: big_image FILE\n", stderr);
        return 2;
    }
    return k7r::cfgui::gui::Measure(k7r::cfgui::gui::WindowsPath(argv[1]));
}
