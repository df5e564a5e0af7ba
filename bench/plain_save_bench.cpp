// Saving into a 256 MiB plain image, against reading the same file once
// from start to end. A save patches the 856 bytes of the record in place;
// its cost is the one search for the record over the whole file. The goal
// is what a save through a writable mapping with room to grow, which
// searched the file twice, used to cost: one and a half plain reads. Wall
// time, the median of the rounds, which the two take in turn.
#include "bench/measure.h"
#include "bench/plain_image.h"
#include "config/default_records.h"
#include "containers/config_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace k7r::bench;

constexpr int kRounds = 9;

void Save(const std::string& path, HAL_STRUCT& record) {
    ++record.ClkI;
    if (!k7r::containers::SaveConfigFile(path, "", record, false, [](const std::string& text) {
            std::fprintf(stderr, "%s\n", text.c_str());
        })) {
        std::exit(1);
    }
}

void Read(const std::string& path) {
    std::vector<char> buffer(1 << 20);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::size_t total = 0;
    for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) {
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (total != kPlainImageSize) {
        std::fprintf(stderr, "short read\n");
        std::exit(1);
    }
}

} // namespace

int main() {
    const std::string& path = PlainImagePath();
    HAL_STRUCT record = ViewerRecord;
    const std::function<Sample()> contenders[] = {
        [&] { return RunHere([&] { Save(path, record); }); },
        [&] { return RunHere([&] { Read(path); }); },
    };
    const std::vector<Sample> medians = Alternate(contenders, kRounds);
    PrintSample("save into the image", medians[0]);
    PrintSample("one read of the image", medians[1]);
    PrintRatio("plain_save", medians[0].wallMs / medians[1].wallMs, "<=", 1.5);
    return 0;
}
