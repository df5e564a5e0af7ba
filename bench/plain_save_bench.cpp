// Saving into a 256 MiB plain image as a user waits for it (the search for
// the record over the whole file, the 856 bytes patched in place, and the
// flush that puts them on the disk) against reading the same file once
// from start to end. Wall time, the median of the rounds, which the two
// take in turn. The flush alone is timed too, its page made dirty by a
// patch outside the timing, and its share of the save printed beside the
// ratio: a slow disk shows there.
#include "bench/measure.h"
#include "bench/plain_image.h"
#include "config/default_records.h"
#include "containers/config_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace k7r::bench;

constexpr int kRounds = 9;
constexpr std::size_t kRecordOffset = kPlainImageSize - HAL_RECORD_SIZE - 1;

void Save(const std::string& path, HAL_STRUCT& record) {
    ++record.ClkI;
    if (!k7r::containers::SaveConfigFile(path, "", record, false, [](const std::string& text) {
            std::fprintf(stderr, "%s\n", text.c_str());
        })) {
        std::exit(1);
    }
}

// The record's bytes written over themselves, then the timed flush.
Sample Flush(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    HAL_STRUCT record;
    if (::pread(fd, &record, sizeof record, kRecordOffset) != sizeof record ||
        ::pwrite(fd, &record, sizeof record, kRecordOffset) != sizeof record) {
        std::fprintf(stderr, "cannot patch %s\n", path.c_str());
        std::exit(1);
    }
    const Sample flush = RunHere([&] { ::fdatasync(fd); });
    ::close(fd);
    return flush;
}

} // namespace

int main() {
    const std::string& path = PlainImagePath();
    HAL_STRUCT record = ViewerRecord;
    const std::function<Sample()> contenders[] = {
        [&] { return RunHere([&] { Save(path, record); }); },
        [&] { return RunHere([&] { ReadPass(path); }); },
        [&] { return Flush(path); },
    };
    const std::vector<Sample> medians = Alternate(contenders, kRounds);
    PrintSample("save: search, patch, flush", medians[0]);
    PrintSample("one read() of the image through a buffer", medians[1]);
    PrintSample("flush of a patched record", medians[2]);
    char share[64];
    std::snprintf(share, sizeof share, "flush %.0f%% of the save",
                  100 * medians[2].wallMs / medians[0].wallMs);
    PrintRatio("plain_save", medians[0].wallMs / medians[1].wallMs, "<=", 1.2, share);
    return 0;
}
