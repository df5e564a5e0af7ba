// A 1600 x 1200 24-bit BMP of noise drawn onto an 8 bpp panel, where every
// pixel is matched to the nearest colour of the lookup table, against the
// same picture onto a 16 bpp panel, where it is only packed. The noise uses
// every block of 4 x 4 x 4 colours, so nothing the matching learns about one
// pixel helps much with the next. CPU time of this process, the median of
// the rounds, which the two take in turn.
#include "bench/measure.h"
#include "view/bmp.h"
#include "view/bmp_format.h"
#include "view/memory_chip.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

using namespace k7r::bench;

constexpr std::uint32_t kImageWidth = 1600;
constexpr std::uint32_t kImageHeight = 1200;
constexpr std::uint32_t kBlocks = 64 * 64 * 64;
constexpr int kRounds = 9;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    Put16(out, at, value);
    Put16(out, at + 2, value >> 16);
}

// Pixel n lies in block n x 40503 (odd, so every block comes up once in any
// kBlocks pixels in a row), at a random place within it.
std::vector<std::uint8_t> NoiseBmp() {
    namespace bmp = k7r::view::bmp;
    const std::size_t headers = bmp::kFileHeaderSize + bmp::kInfoHeaderSize;
    std::vector<std::uint8_t> file(headers + std::size_t{kImageWidth} * kImageHeight * 3);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, bmp::kDataOffset, static_cast<std::uint32_t>(headers));
    const std::size_t info = bmp::kFileHeaderSize;
    Put32(file, info + bmp::kInfoSize, bmp::kInfoHeaderSize);
    Put32(file, info + bmp::kWidth, kImageWidth);
    Put32(file, info + bmp::kHeight, kImageHeight);
    Put16(file, info + 12, 1); // planes
    Put16(file, info + bmp::kBitCount, 24);
    std::uint32_t state = 2463534242u;
    for (std::uint32_t n = 0; n < kImageWidth * kImageHeight; ++n) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const std::uint32_t block = n * 40503u % kBlocks;
        const std::uint32_t place = state >> 26;
        std::uint8_t* pixel = &file[headers + std::size_t{n} * 3];
        // Blue, green, red.
        pixel[0] = static_cast<std::uint8_t>((block & 63) << 2 | (place & 3));
        pixel[1] = static_cast<std::uint8_t>((block >> 6 & 63) << 2 | (place >> 2 & 3));
        pixel[2] = static_cast<std::uint8_t>((block >> 12) << 2 | (place >> 4));
    }
    return file;
}

// A virtual display that holds the whole image.
struct Panel {
    explicit Panel(std::uint32_t bpp) : chip(1024, 1024, bpp, 4 * 1024 * 1024), display(chip) {
        display.SetBitsPerPixel(bpp);
        display.SetVirtualDisplay(kImageWidth, kImageHeight);
    }
    k7r::view::MemoryChip chip;
    k7r::view::Display display;
};

void Draw(const std::vector<std::uint8_t>& file, std::uint32_t bpp) {
    Panel panel(bpp);
    std::ostringstream out;
    if (k7r::view::DrawBmp({panel.display, out, 0, 0}, file, "noise.bmp") != 0) {
        std::fprintf(stderr, "%s", out.str().c_str());
        std::exit(1);
    }
}

} // namespace

int main() {
    const std::vector<std::uint8_t> file = NoiseBmp();
    const std::function<Sample()> contenders[] = {
        [&] { return RunHere([&] { Draw(file, 8); }); },
        [&] { return RunHere([&] { Draw(file, 16); }); },
    };
    const std::vector<Sample> medians = Alternate(contenders, kRounds);
    PrintSample("noise BMP onto 8 bpp, matched", medians[0]);
    PrintSample("noise BMP onto 16 bpp, packed", medians[1]);
    PrintRatio("bmp_8bpp_noise", medians[0].cpuMs / medians[1].cpuMs, "<=", 1.5);
    return 0;
}
