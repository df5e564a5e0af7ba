// Saving into a 256 MiB plain image, against reading the same file once
// from start to end. A save patches the 856 bytes of the record in place;
// its cost is the one search for the record over the whole file. The goal
// is what a save through a writable mapping with room to grow, which
// searched the file twice, used to cost: one and a half plain reads.
#include "config/default_records.h"
#include "containers/config_file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kImageSize = std::size_t{256} << 20;

// Filler in which the marker's first byte is rare, the record near the end.
const std::string& ImagePath() {
    static const std::string path = [] {
        const std::string file = std::string(K7R_BINARY_DIR) + "/bench/plain_256m.exe";
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
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), kImageSize);
        return file;
    }();
    return path;
}

void SavePlainImage(benchmark::State& state) {
    const std::string& path = ImagePath();
    const k7r::MessageSink fail = [&](const std::string& text) {
        state.SkipWithError(text.c_str());
    };
    HAL_STRUCT record = ViewerRecord;
    for (auto _ : state) {
        ++record.ClkI;
        benchmark::DoNotOptimize(k7r::SaveConfigFile(path, "", record, false, fail));
    }
}

void ReadPlainImage(benchmark::State& state) {
    const std::string& path = ImagePath();
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        std::size_t total = 0;
        for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) {
            total += static_cast<std::size_t>(got);
        }
        ::close(fd);
        if (total != kImageSize) {
            state.SkipWithError("short read");
        }
        benchmark::DoNotOptimize(buffer.data());
    }
}

BENCHMARK(SavePlainImage)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPlainImage)->Unit(benchmark::kMillisecond);

// Prints the save's time as a share of the plain read's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto save = times_.find("SavePlainImage");
        const auto read = times_.find("ReadPlainImage");
        if (save != times_.end() && read != times_.end()) {
            std::printf("ratio save_256mib = %.2f (goal <= 1.50)\n", save->second / read->second);
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
