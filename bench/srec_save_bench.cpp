// Opening and saving a 64 MiB S-record file (S3 records of 32 data bytes),
// beside srec_cat copying the same file, which also reads and writes every
// record. The goal: our open and save take less time than that copy.
#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "containers/srec_image.h"
#include "containers/srec_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

constexpr std::size_t kFileSize = std::size_t{64} << 20;
constexpr std::size_t kDataPerLine = 32;
// "S3", count, 4 address bytes, data, checksum, CR LF.
constexpr std::size_t kLineLength = 2 + 2 + 8 + 2 * kDataPerLine + 2 + 2;

const std::string kDirectory = std::string(K7R_BINARY_DIR) + "/bench";

constexpr std::size_t kDataLines = kFileSize / kLineLength;
// With "S0030000FC" and "S70500000000FA", each with its CR LF.
constexpr std::size_t kTextSize = 12 + kDataLines * kLineLength + 16;

// S0, S3 lines over a payload with a configured record in its middle, S7;
// made once and kept, since each save writes the same record again.
const std::string& InputPath() {
    static const std::string path = [] {
        const std::string file = kDirectory + "/srec_64m.s19";
        if (std::filesystem::exists(file) && std::filesystem::file_size(file) == kTextSize) {
            return file;
        }
        k7r::SrecImage image;
        image.terminator = "\r\n";
        image.payload.resize(kDataLines * kDataPerLine);
        std::uint32_t state = 2463534242u;
        for (std::uint8_t& byte : image.payload) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            byte = static_cast<std::uint8_t>(state >> 24);
        }
        HAL_STRUCT record = TemplateRecord;
        record.Crc = k7r::ComputeRecordCrc(record);
        std::memcpy(image.payload.data() + image.payload.size() / 2, &record, sizeof record);
        image.lines.push_back({.type = '0', .count = 3, .address = 0});
        for (std::size_t i = 0; i < kDataLines; ++i) {
            image.lines.push_back({.type = '3',
                                   .count = 4 + kDataPerLine + 1,
                                   .address = static_cast<std::uint32_t>(i * kDataPerLine)});
        }
        image.lines.push_back({.type = '7', .count = 5, .address = 0});
        std::string text(k7r::SrecTextLength(image), '\0');
        k7r::WriteSrecText(image, {reinterpret_cast<std::uint8_t*>(text.data()), text.size()});
        std::filesystem::create_directories(kDirectory);
        std::ofstream(file, std::ios::binary).write(text.data(), std::ssize(text));
        return file;
    }();
    return path;
}

void OpenAndSaveSrecFile(benchmark::State& state) {
    const std::string& path = InputPath();
    k7r::WorkingConfig config(TemplateRecord);
    const k7r::MessageSink fail = [&](const std::string& text) {
        state.SkipWithError(text.c_str());
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(k7r::OpenConfigFile(path, config, fail) &&
                                 k7r::SaveConfigFile(path, "", config.Record, false, fail));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTextSize));
}

void SrecCatCopy(benchmark::State& state) {
    const std::string command =
        "srec_cat " + InputPath() + " -o " + kDirectory + "/srec_64m_copy.s19";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("srec_cat failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTextSize));
}

BENCHMARK(OpenAndSaveSrecFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SrecCatCopy)->Unit(benchmark::kMillisecond)->Iterations(3);

// Prints the open and save's time as a share of the srec_cat copy's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto ours = times_.find("OpenAndSaveSrecFile/iterations:5");
        const auto theirs = times_.find("SrecCatCopy/iterations:3");
        if (ours != times_.end() && theirs != times_.end()) {
            std::printf("open and save take %.2f of the srec_cat copy's time (goal: below 1)\n",
                        ours->second / theirs->second);
        }
    }

  private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
