// One setting change through the editing core, as a page or `58c22cfg set`
// makes it, and the diagnostics pane's text after it: validation and the
// panel file's version check. Each case changes one setting back and forth
// between two values, a setting of each kind of rule the pages apply. The
// goal is an absolute time on this machine: the slowest case's CPU time
// per change, the median of the repetitions, at most 1 ms, so that every
// keystroke on a page and every value of a long `set` stays instant.
#include "config/default_records.h"
#include "edit/diagnostics.h"
#include "edit/edit_session.h"
#include "edit/setting_edit.h"
#include "panels/panel_def_list.h"
#include "regs/setting_ids.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

using namespace k7r;

struct SettingCase {
    std::uint32_t id;
    const char* values[2];
};

constexpr SettingCase kCases[] = {
    {regs::kIdDescription, {"Bench board A", "Bench board B"}},
    {regs::kIdClkI, {"25.175", "40.000"}},
    {regs::kIdRegPhysAddr, {"0x10000000", "0x10400000"}},
    {regs::kIdPowerOnTime, {"100", "150"}},
    {regs::kIdClockChip, {"0", "1"}},
    {regs::kIdPanelType, {"0", "1"}},
    {regs::kIdPclkDivide, {"1", "2"}},
    {regs::kIdVertDoubling, {"0", "1"}},
    {regs::kIdSwivelView, {"0", "90"}},
    {regs::kIdBitsPerPixel, {"8", "16"}},
    {regs::kIdHorzTotal, {"352", "400"}},
    {regs::kIdDutyCycle, {"50", "60"}},
    {regs::kIdPipXStart, {"0", "8"}},
};

const panels::PanelDefList& Panels() {
    static const panels::PanelDefList panels = [] {
        panels::PanelDefList list;
        list.LoadFile(K7R_PANELS_DEF,
                      [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
        return list;
    }();
    return panels;
}

rusage Usage() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage;
}

void ChangeSetting(benchmark::State& state) {
    const SettingCase& setting = kCases[state.range(0)];
    state.SetLabel("setting " + std::to_string(setting.id));
    edit::EditSession session(ViewerRecord, Panels());
    std::size_t turn = 0;
    const rusage before = Usage();
    for (auto _ : state) {
        const edit::EditResult result =
            edit::SetSettingText(session, setting.id, setting.values[turn ^= 1]);
        const edit::Diagnostics diagnostics = edit::Diagnose(session.config, session.panels);
        if (!result.accepted()) {
            state.SkipWithError(result.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(diagnostics.text.data());
    }
    // Page faults per change, beside the times.
    const rusage after = Usage();
    state.counters["minor_faults"] =
        benchmark::Counter(static_cast<double>(after.ru_minflt - before.ru_minflt),
                           benchmark::Counter::kAvgIterations);
    state.counters["major_faults"] =
        benchmark::Counter(static_cast<double>(after.ru_majflt - before.ru_majflt),
                           benchmark::Counter::kAvgIterations);
}

BENCHMARK(ChangeSetting)
    ->DenseRange(0, std::size(kCases) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Prints the slowest case's median CPU time per change.
class SlowestReporter : public benchmark::ConsoleReporter {
  public:
    // Plain text: the figures end up in logs.
    SlowestReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median" && !run.error_occurred) {
                slowestMs_ = std::max(slowestMs_, run.GetAdjustedCPUTime());
                ++cases_;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (cases_ == std::size(kCases)) {
            std::printf("ratio edit_ms = %.3f (goal <= 1.00)\n", slowestMs_);
        } else {
            std::printf("edit_bench: a case failed; no goal line\n");
        }
    }

  private:
    double slowestMs_ = 0;
    std::size_t cases_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SlowestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
