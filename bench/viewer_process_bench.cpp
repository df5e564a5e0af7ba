// The whole viewer as a process, showing a 1600 x 1200 JPEG on the board
// emulator's 8 bpp panel and writing the panel picture, against djpeg
// decoding the same file to 256 colours. Both run the same library's
// decoder and two-pass quantizer; the rest on our side is start-up, the
// chip access layer bringing the emulated chip up, drawing, and the
// emulator's PNG. CPU time (user and system) of the processes alone, the
// median of the rounds, which the two take in turn. The goal is to cost no
// more than djpeg.
#include "bench/measure.h"

#include <string>

namespace {

using namespace k7r::bench;

constexpr int kRounds = 15;

} // namespace

int main() {
    const std::string image = std::string(K7R_BENCH_SAMPLES) + "/bench.jpg";
    const std::string panel = "K7R58_EMULATOR=" + std::string(K7R_BENCH_SAMPLES) + "/panel.png";
    // The viewer waits a second before it ends; that costs no CPU time.
    const std::function<Sample()> contenders[] = {
        [&] {
            return RunProgram({K7R_VIEWER, image, "/A1"}, {panel});
        },
        [&] {
            return RunProgram({"djpeg", "-colors", "256", "-outfile", "/dev/null", image});
        },
    };
    const std::vector<Sample> medians = Alternate(contenders, kRounds);
    PrintSample("58c22view on the emulated 8 bpp panel", medians[0]);
    PrintSample("djpeg -colors 256", medians[1]);
    PrintRatio("viewer_process_cpu", medians[0].cpuMs / medians[1].cpuMs, "<=", 1.0);
    return 0;
}
