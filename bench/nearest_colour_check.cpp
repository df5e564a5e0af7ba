// The nearest-colour search against a plain scan of every entry, for all
// 2^24 colours: on the palettes the viewer matches against, and on palettes
// made to be hard (arbitrary colours, a coarse grid full of duplicates and
// equal distances, a grey ramp). Any difference, a tie won by another index
// included, fails the check. Too slow for the sanitizer and Wine runs;
// scripts/bench.sh runs it on the release build.
#include "view/palette.h"

#include <array>
#include <cstdio>
#include <random>

namespace {

using k7r::view::NearestColour;
using k7r::view::Palette;
using k7r::view::Rgb;

// Distance and index in one key: the smallest is the nearest entry with
// the lowest index.
class FullScan {
  public:
    FullScan(const Palette& palette, int count) : count_(count) {
        for (int i = 0; i < count; ++i) {
            r_[i] = palette[i].r;
            g_[i] = palette[i].g;
            b_[i] = palette[i].b;
        }
    }

    std::uint8_t operator()(int r, int g, int b) const {
        int best = 1 << 30;
        for (int i = 0; i < count_; ++i) {
            const int key =
                ((r - r_[i]) * (r - r_[i]) + (g - g_[i]) * (g - g_[i]) + (b - b_[i]) * (b - b_[i]))
                    << 8 |
                i;
            best = key < best ? key : best;
        }
        return static_cast<std::uint8_t>(best);
    }

  private:
    int count_;
    std::array<int, 256> r_{};
    std::array<int, 256> g_{};
    std::array<int, 256> b_{};
};

bool Check(const char* name, const Palette& palette, std::uint32_t bpp) {
    const NearestColour nearest(palette, bpp);
    const FullScan scan(palette, bpp == 4 ? 16 : 256);
    for (int r = 0; r < 256; ++r) {
        for (int g = 0; g < 256; ++g) {
            for (int b = 0; b < 256; ++b) {
                const Rgb colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                 static_cast<std::uint8_t>(b)};
                const unsigned found = nearest(colour);
                const unsigned expected = scan(r, g, b);
                if (found != expected) {
                    std::printf("nearest colour: %s at %u bpp: %02X%02X%02X gives entry %u, "
                                "a full scan entry %u\n",
                                name, bpp, r, g, b, found, expected);
                    return false;
                }
            }
        }
    }
    std::printf("nearest colour: %s at %u bpp: all 16777216 colours as a full scan\n", name, bpp);
    return true;
}

} // namespace

int main() {
    std::mt19937 random(7);
    Palette arbitrary{};
    Palette grid{};
    for (std::size_t i = 0; i < arbitrary.size(); ++i) {
        arbitrary[i] = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                        static_cast<std::uint8_t>(random())};
        grid[i] = {static_cast<std::uint8_t>(random() % 4 * 85),
                   static_cast<std::uint8_t>(random() % 4 * 85),
                   static_cast<std::uint8_t>(random() % 4 * 85)};
    }
    bool all = true;
    all &= Check("deep-colour palette", k7r::view::DeepColourPalette(), 8);
    all &= Check("fixed 16-colour palette", k7r::view::FixedPalette16(), 4);
    all &= Check("arbitrary colours", arbitrary, 8);
    all &= Check("arbitrary colours", arbitrary, 4);
    all &= Check("coarse grid with duplicates", grid, 8);
    all &= Check("grey ramp", k7r::view::GreyRamp(), 8);
    return all ? 0 : 1;
}
