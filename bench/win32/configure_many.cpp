// Configure Multiple over thousands of files on the utility's real window,
// for scripts/configure_many.sh: opening the dialog on a directory of them,
// Add All, the run and its summary, each timed, with the longest the window
// went without handling its messages and the memory the process used. It
// prints what it measured; it fails only when the run does not complete.
//
// configure_many DIRECTORY COUNT: DIRECTORY holds COUNT configurable files.
#include "cfgui/resource.h"
#include "cfgui/win32/win32_text.h"
#include "platform/directory.h"
#include "tests/cfgui/win32/gui_harness.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace k7r::cfgui::gui {
namespace {

// How often the window is asked to answer: the resolution of the gaps.
constexpr UINT kProbeMs = 10;
// A run of thousands of files may take minutes under Wine.
constexpr int kRunTimeoutMs = 30 * 60 * 1000;

// The longest time between two probes handled while a run shows its
// progress, and when the last of them came: what follows it is the end of
// the last file and the summary being made.
class GapProbe {
  public:
    GapProbe() { timer_ = SetTimer(nullptr, 0, kProbeMs, Tick); }
    ~GapProbe() { KillTimer(nullptr, timer_); }
    GapProbe(const GapProbe&) = delete;
    GapProbe& operator=(const GapProbe&) = delete;

    static void Watch(HWND progress) {
        progress_ = progress;
        last_ = GetTickCount();
        longest_ = 0;
    }
    static DWORD Longest() { return longest_; }
    static DWORD LastInRun() { return lastInRun_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        const DWORD now = GetTickCount();
        if (progress_ != nullptr && GetWindowTextLengthA(progress_) > 0) {
            longest_ = std::max(longest_, now - last_);
            lastInRun_ = now;
        }
        last_ = now;
    }

    static inline HWND progress_ = nullptr;
    static inline DWORD last_ = 0;
    static inline DWORD longest_ = 0;
    static inline DWORD lastInRun_ = 0;
    UINT_PTR timer_ = 0;
};

std::size_t PeakMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakWorkingSetSize >> 20;
}

int ItemCount(HWND dialog, int list) {
    return static_cast<int>(SendDlgItemMessageA(dialog, list, LB_GETCOUNT, 0, 0));
}

int Measure(const std::string& directory, int count) {
    Session session;
    if (session.Main() == nullptr || !platform::ChangeDirectory(directory)) {
        std::fputs("configure_many: no window, or no directory\n", stderr);
        return 1;
    }
    std::printf("before: peak working set %zu MB\n", PeakMegabytes());
    const GapProbe probe;
    DWORD started = GetTickCount();
    DWORD runStarted = 0;
    std::string summary;
    ModalScript script;
    script
        .Expect("Configure Multiple",
                [&](HWND dialog) {
                    std::printf("open (browse list of %d): %lu ms\n",
                                ItemCount(dialog, IDC_BROWSE_LIST), GetTickCount() - started);
                    started = GetTickCount();
                    Click(GetDlgItem(dialog, IDC_ADD_ALL));
                    std::printf("Add All (selection of %d): %lu ms\n",
                                ItemCount(dialog, IDC_SELECTION_LIST), GetTickCount() - started);
                    PostMessageA(GetDlgItem(dialog, IDC_CONFIGURE), BM_CLICK, 0, 0);
                    runStarted = GetTickCount();
                    GapProbe::Watch(GetDlgItem(dialog, IDC_CONFIGURE_PROGRESS));
                })
        .Expect("Configure Multiple Summary",
                ModalScript::Inspect(
                    [&](HWND dialog) {
                        const DWORD now = GetTickCount();
                        std::printf("run: %lu ms, longest gap between handled messages %lu ms\n",
                                    GapProbe::LastInRun() - runStarted, GapProbe::Longest());
                        std::printf("summary shown %lu ms after the run's last handled message\n",
                                    now - GapProbe::LastInRun());
                        summary = win32::WindowText(GetDlgItem(dialog, IDC_CONFIGURE_SUMMARY_TEXT));
                    },
                    IDOK));
    const bool completed =
        script.Run([&] { ChooseMenu(session.Main(), IDM_FILE_CONFIGURE_MULTIPLE); }, kRunTimeoutMs);
    std::printf("after: peak working set %zu MB\n", PeakMegabytes());
    if (!completed) {
        std::printf("the run did not complete: windows answered: %zu\n", script.Texts().size());
        return 1;
    }
    std::printf("summary form: scrollable dialog, %zu characters, starting \"%s\"\n",
                summary.size(), summary.substr(0, summary.find('\r')).c_str());
    const std::string expected = std::to_string(count) + " OK, 0 Error";
    return summary.starts_with(expected) ? 0 : 1;
}

} // namespace
} // namespace k7r::cfgui::gui

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: configure_many DIRECTORY COUNT\n", stderr);
        return 2;
    }
    return k7r::cfgui::gui::Measure(k7r::cfgui::gui::WindowsPath(argv[1]), std::atoi(argv[2]));
}
