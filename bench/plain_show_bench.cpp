// `58c22cfg show` on a 256 MiB plain image whose record lies at its end.
// Its peak resident memory as a process, against the file's size; and the
// search as show runs it (open, read through the file, find the record)
// against the faster of two passes over the same file that only read it:
// read() through a buffer, and memchr over a view of the file (open, map,
// memchr, unmap). The search compares the marker at every offset, so a
// pass that reads the bytes the cheapest way this host offers is its
// ceiling. CPU time of this process, the median of the rounds, which the
// three take in turn.
#include "bench/measure.h"
#include "bench/plain_image.h"
#include "config/hal_struct.h"
#include "containers/config_file.h"
#include "platform/file.h"
#include "platform/file_mapping.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace {

using namespace k7r::bench;

constexpr int kRounds = 9;
constexpr int kProgramRounds = 3;

// Where the memchr pass leaves its result, so that it is not left out.
const void* volatile memchrFound;

void Show(const std::string& path) {
    HAL_STRUCT stored;
    if (!k7r::containers::InspectConfigFile(path, stored, [](const std::string& text) {
            std::fprintf(stderr, "%s\n", text.c_str());
        })) {
        std::exit(1);
    }
}

void MemchrPass(const std::string& path) {
    k7r::platform::Result<k7r::platform::File> file =
        k7r::platform::File::Open(path, k7r::platform::FileAccess::Read);
    k7r::platform::Result<k7r::platform::FileMapping> mapping =
        k7r::platform::FileMapping::MapReadOnly(*file, kPlainImageSize);
    memchrFound = std::memchr(mapping->bytes().data(), 0xFF, kPlainImageSize);
}

} // namespace

int main() {
    const std::string& path = PlainImagePath();
    const std::function<Sample()> program[] = {
        [&] {
            return RunProgram({K7R_CLI, "show", path});
        },
    };
    const Sample shown = Alternate(program, kProgramRounds)[0];
    PrintSample("58c22cfg show, one process", shown);

    const std::function<Sample()> contenders[] = {
        [&] { return RunHere([&] { Show(path); }); },
        [&] { return RunHere([&] { ReadPass(path); }); },
        [&] { return RunHere([&] { MemchrPass(path); }); },
    };
    const std::vector<Sample> medians = Alternate(contenders, kRounds);
    PrintSample("open, find the record", medians[0]);
    PrintSample("open, read() through a buffer", medians[1]);
    PrintSample("open, map, memchr, unmap", medians[2]);

    const double fileMiB = static_cast<double>(kPlainImageSize) / (1 << 20);
    const double ceiling = std::min(medians[1].cpuMs, medians[2].cpuMs);
    PrintRatio("plain_show_peak_memory", shown.peakMiB / fileMiB, "<=", 0.25);
    PrintRatio("plain_show_search_speed", ceiling / medians[0].cpuMs, ">=", 0.9);
    return 0;
}
