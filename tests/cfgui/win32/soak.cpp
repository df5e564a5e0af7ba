// A long session on the utility's real window: every tab in turn, every
// dialog opened and cancelled, the panel preview and the diagrams opened and
// closed, then the Direct tab live on the board emulator while test patterns
// are drawn and the Registers tab refreshes. After warm-up rounds that
// bring what the system keeps for good, the GDI objects the utility holds and
// the windows of its thread must come back to what they were, and its
// private memory to within 1 MiB. It prints both counts at the start and the
// end; the test suite runs a short form, scripts/soak.sh a long one.
//
// soak ROUNDS LIVE_SECONDS
#include "cfgui/resource.h"
#include "cfgui/tabs.h"
#include "cfgui/win32/gdi_object.h"
#include "hal/access.h"
#include "tests/cfgui/win32/gui_harness.h"

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace k7r::cfgui::gui {
namespace {

constexpr SIZE_T kPrivateSlack = 1 << 20;
// Minutes of windows on a loaded machine: a slow answer is not what this
// looks for.
constexpr int kWindowTimeoutMs = 60000;

int failures = 0;

struct Held {
    long gdiObjects = 0;
    long windows = 0;
    SIZE_T privateBytes = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

Held Measure() {
    Held held;
    held.gdiObjects = win32::LiveGdiObjects();
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&held.windows));
    // The commit charge is the private memory; Wine leaves the field of
    // that name empty.
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    held.privateBytes = memory.PagefileUsage;
    return held;
}

void Print(const char* when, const Held& held) {
    std::printf("%s: %ld GDI objects, %ld windows, %lu KiB private\n", when, held.gdiObjects,
                held.windows, static_cast<unsigned long>(held.privateBytes / 1024));
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "soak: %s\n", what.c_str());
    ++failures;
}

void CancelDialog(const std::string& title, const std::function<void()>& action) {
    if (!ModalScript().Expect(title, ModalScript::Press(IDCANCEL)).Run(action, kWindowTimeoutMs)) {
        Fail("no window \"" + title + "\"");
    }
}

// The modeless window the menu command opens, closed again.
void OpenAndClose(Session& session, int command, const std::function<HWND()>& window) {
    ChooseMenu(session.Main(), command);
    if (!PumpUntil([&] { return window() != nullptr; }, kWindowTimeoutMs)) {
        Fail("menu command " + std::to_string(command) + " opened no window");
        return;
    }
    SendMessageA(window(), WM_CLOSE, 0, 0);
    PumpUntil([&] { return window() == nullptr; }, kWindowTimeoutMs);
}

void Round(Session& session) {
    for (int tab = 0; tab < static_cast<int>(kTabCount); ++tab) {
        if (!SelectTab(session, tab)) {
            Fail("tab " + std::to_string(tab) + " did not open");
        }
    }
    CancelDialog("About 58C22CFG", [&] { ChooseMenu(session.Main(), IDM_HELP_ABOUT); });
    CancelDialog("Export", [&] { ChooseMenu(session.Main(), IDM_FILE_EXPORT); });
    CancelDialog("Configure Multiple",
                 [&] { ChooseMenu(session.Main(), IDM_FILE_CONFIGURE_MULTIPLE); });
    SelectTab(session, kRegistersTab);
    const HWND registers = session.Control(IDC_REGISTER_LIST);
    ListView_SetItemState(registers, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    FocusOn(registers);
    CancelDialog("Modify register 8000h", [] { PressKey(VK_RETURN); });
    OpenAndClose(session, IDM_VIEW_PANEL_PREVIEW,
                 [&] { return session.window.PreviewWindowHandle(); });
    OpenAndClose(session, IDM_VIEW_DIAGRAMS, [&] { return session.window.Diagrams().Window(); });
}

// The chip brought up and left live: a test pattern drawn on the Direct tab
// every second, the Registers tab refreshing from the chip in between.
void Live(Session& session, int seconds) {
    SelectTab(session, kDirectTab);
    Click(session.Control(IDC_INITIALIZE_CHIP));
    if (SendMessageA(session.Control(IDC_WRITE_IMMEDIATELY), BM_GETCHECK, 0, 0) != BST_CHECKED) {
        Click(session.Control(IDC_WRITE_IMMEDIATELY));
    }
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        SelectTab(session, kDirectTab);
        Click(session.Control(IDC_DRAW_TEST_PATTERN));
        SelectTab(session, kRegistersTab);
        PumpUntil([] { return false; }, 1000);
    }
    SelectTab(session, kDirectTab);
    Click(session.Control(IDC_SHUTDOWN_CHIP));
}

void Check(const Held& start, const Held& end) {
    if (end.gdiObjects != start.gdiObjects) {
        Fail("GDI objects held: " + std::to_string(start.gdiObjects) + " before, " +
             std::to_string(end.gdiObjects) + " after");
    }
    if (end.windows != start.windows) {
        Fail("windows: " + std::to_string(start.windows) + " before, " +
             std::to_string(end.windows) + " after");
    }
    if (end.privateBytes > start.privateBytes + kPrivateSlack) {
        Fail("private memory grew by " +
             std::to_string((end.privateBytes - start.privateBytes) / 1024) + " KiB");
    }
}

} // namespace
} // namespace k7r::cfgui::gui

int main(int argc, char** argv) {
    using namespace k7r;
    using namespace k7r::cfgui::gui;
    if (argc != 3) {
        std::fputs("usage: soak ROUNDS LIVE_SECONDS\n", stderr);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const int liveSeconds = std::atoi(argv[2]);
    const std::string image = PrepareEmulatedBoard(std::string(K7R_BINARY_DIR) + "/soak");

    Session session;
    if (session.Main() == nullptr || !session.window.OpenFile(image)) {
        std::fputs("soak: the utility's window did not open\n", stderr);
        return 1;
    }
    // 64-bit Wine's heap grows once more in a second round, by the same
    // amount however long the soak: the warm-up takes two.
    for (int round = 0; round < 2; ++round) {
        Round(session);
        Live(session, 1);
    }
    const Held start = Measure();
    Print("start", start);
    for (int round = 0; round < rounds; ++round) {
        Round(session);
    }
    Live(session, liveSeconds);
    const Held end = Measure();
    Print("end", end);
    Check(start, end);
    hal::ReleaseChip();
    return failures == 0 ? 0 : 1;
}
