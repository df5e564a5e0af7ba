// Opening a 256 MiB image whose record lies at its end, against a plain
// memchr pass over a mapping of the same file. The search has to compare
// the marker at every offset, so the memchr pass is its ceiling; the goal
// is at least half of it. The image is filler in which every byte value but
// FFh occurs, the first marker byte once in 256 bytes on average, so the
// memchr for FFh runs through the whole mapping.
#include "config/default_records.h"
#include "containers/config_file.h"
#include "containers/raw_container.h"
#include "platform/file.h"
#include "platform/file_mapping.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kImageSize = std::size_t{256} << 20;

const std::string& ImagePath() {
    static const std::string path = [] {
        const std::string file = std::string(K7R_BINARY_DIR) + "/bench/image_256m.exe";
        if (std::filesystem::exists(file) && std::filesystem::file_size(file) == kImageSize) {
            return file;
        }
        std::vector<std::uint8_t> bytes(kImageSize);
        std::uint32_t state = 2463534242u;
        for (std::uint8_t& byte : bytes) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            byte = static_cast<std::uint8_t>(state >> 24) % 0xFF;
        }
        std::memcpy(bytes.data() + kImageSize - HAL_RECORD_SIZE - 1, &ViewerRecord,
                    HAL_RECORD_SIZE);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), kImageSize);
        return file;
    }();
    return path;
}

void OpenConfigFile(benchmark::State& state) {
    const std::string& path = ImagePath();
    k7r::WorkingConfig config(TemplateRecord);
    const k7r::MessageSink fail = [&](const std::string& text) {
        state.SkipWithError(text.c_str());
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(k7r::OpenConfigFile(path, config, fail));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageSize));
}

// Both passes below share one mapping that stays in place, as a baseline.
class Mapped {
  public:
    Mapped()
        : file_(
              std::move(*k7r::platform::File::Open(ImagePath(), k7r::platform::FileAccess::Read))),
          mapping_(std::move(*k7r::platform::FileMapping::MapReadOnly(file_, kImageSize))) {}
    std::span<const std::uint8_t> bytes() const { return mapping_.bytes(); }

  private:
    k7r::platform::File file_;
    k7r::platform::FileMapping mapping_;
};

void FindRecordRawOverMapping(benchmark::State& state) {
    const Mapped mapped;
    for (auto _ : state) {
        std::string_view message;
        benchmark::DoNotOptimize(k7r::FindRecordRaw(nullptr, mapped.bytes(), true, message));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageSize));
}

void MemchrOverMapping(benchmark::State& state) {
    const Mapped mapped;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::memchr(mapped.bytes().data(), 0xFF, kImageSize));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageSize));
}

BENCHMARK(OpenConfigFile)->Unit(benchmark::kMillisecond);
BENCHMARK(FindRecordRawOverMapping)->Unit(benchmark::kMillisecond);
BENCHMARK(MemchrOverMapping)->Unit(benchmark::kMillisecond);

// Prints each search's throughput as a share of the memchr pass's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    // Plain text: the numbers usually end up in logs.
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        // Single runs, or the medians when runs are repeated.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                rates_[run.run_name.function_name] = run.counters.at("bytes_per_second");
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto baseline = rates_.find("MemchrOverMapping");
        if (baseline == rates_.end()) {
            return;
        }
        for (const auto& [name, rate] : rates_) {
            if (name != baseline->first) {
                std::printf("%-26s %.2f of the memchr rate (goal: at least 0.50)\n", name.c_str(),
                            rate / baseline->second);
            }
        }
    }

  private:
    std::map<std::string, double> rates_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
