// Decoding and drawing a 1600 x 1200 photograph-like image onto an 8 bpp
// panel, nearest-colour matching included, beside djpeg decoding the same
// JPEG to 256 colours.
#include "view/bmp.h"
#include "view/jpeg.h"
#include "view/memory_chip.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Sample(const char* name) {
    return std::string(K7R_BENCH_SAMPLES) + "/" + name;
}

// A virtual display that holds the whole image.
struct Panel {
    explicit Panel(std::uint32_t bpp = 8) : chip(1024, 1024, bpp, 4 * 1024 * 1024), display(chip) {
        display.SetBitsPerPixel(bpp);
        display.SetVirtualDisplay(1600, 1200);
    }
    k7r::MemoryChip chip;
    k7r::Display display;
};

void JpegTo8bpp(benchmark::State& state) {
    Panel panel;
    std::ostringstream out;
    for (auto _ : state) {
        int status = k7r::DrawJpeg({panel.display, out, 0, 0}, Sample("bench.jpg"), 24, 8);
        benchmark::DoNotOptimize(status);
    }
}

// 8 bpp matches every pixel against the deep-colour palette; 16 bpp only
// packs it, which shows what the matching costs.
void Bmp24(benchmark::State& state) {
    Panel panel(static_cast<std::uint32_t>(state.range(0)));
    std::ifstream in(Sample("bench.bmp"), std::ios::binary);
    std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
    std::ostringstream out;
    for (auto _ : state) {
        int status = k7r::DrawBmp({panel.display, out, 0, 0}, file, "bench.bmp");
        benchmark::DoNotOptimize(status);
    }
}

// The reference: the same library decoding and quantizing the same file, as
// a separate process writing to /dev/null.
void DjpegColors256(benchmark::State& state) {
    std::string command = "djpeg -colors 256 -bmp -outfile /dev/null " + Sample("bench.jpg");
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("djpeg failed");
            break;
        }
    }
}

BENCHMARK(JpegTo8bpp)->Unit(benchmark::kMillisecond);
BENCHMARK(Bmp24)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(DjpegColors256)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
