// What this host charges for the two things the benchmarks lean on, so
// that figures from different hosts can be told apart: the first touch of
// a page of fresh memory (a page fault; on a virtual machine it may leave
// the guest), and reading the 256 MiB plain image from the file cache with
// read(). CPU time, which other programs running meanwhile do not stretch,
// medians of a few rounds.
#include "bench/measure.h"
#include "bench/plain_image.h"
#include "platform/file_scan.h"

#include <sys/mman.h>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace k7r::bench;

constexpr int kRounds = 5;
constexpr std::size_t kFreshMemory = std::size_t{64} << 20;
constexpr std::size_t kPageSize = 4096;

// Fresh memory in pages of 4 KiB, each written once.
void TouchFreshMemory() {
    void* memory =
        ::mmap(nullptr, kFreshMemory, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        std::fprintf(stderr, "no memory\n");
        std::exit(1);
    }
    (void)::madvise(memory, kFreshMemory, MADV_NOHUGEPAGE);
    auto* bytes = static_cast<volatile char*>(memory);
    for (std::size_t at = 0; at < kFreshMemory; at += kPageSize) {
        bytes[at] = 1;
    }
    ::munmap(memory, kFreshMemory);
}

} // namespace

int main() {
    const std::string& path = PlainImagePath();
    ReadPass(path); // into the file cache
    const std::function<Sample()> contenders[] = {
        [] { return RunHere(TouchFreshMemory); },
        [&] { return RunHere([&] { ReadPass(path); }); },
    };
    const std::vector<Sample> medians = Alternate(contenders, kRounds);
    const Sample& touch = medians[0];
    std::printf("host: page fault %.2f us (first touch of %zu MiB of fresh memory, 4 KiB pages), "
                "read of 256 MiB from the file cache %.1f ms (read() of %zu KiB at a time)\n",
                1000 * touch.cpuMs / touch.minorFaults, kFreshMemory >> 20, medians[1].cpuMs,
                k7r::platform::kScanPieceSize >> 10);
    return 0;
}
