#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace k7r {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour table as the lookup table holds it; entries an image does not
// define stay black.
using Palette = std::array<Rgb, 256>;

// The fixed palette of 4-bit panels for images deeper than 4 bits.
const Palette& FixedPalette16();
// The palette of 8-bit panels for BMP images deeper than 8 bits: 31 greys,
// then a 6 x 6 x 6 colour cube; 247 entries.
const Palette& DeepColourPalette();
// Entry n is grey level n.
const Palette& GreyRamp();

// The lookup table entry nearest to a colour: the smallest sum of squared
// component differences over the first 16 entries on a 4-bit panel and all
// 256 otherwise, the lowest index winning a tie. Answers are cached by
// colour and found through the entries sorted by red, so that converting a
// photograph does not scan the palette for every pixel.
class NearestColour {
  public:
    NearestColour(const Palette& palette, std::uint32_t panelBpp);
    std::uint8_t operator()(Rgb colour);

  private:
    struct Entry {
        Rgb colour;
        std::uint8_t index;
    };
    struct CacheSlot {
        std::uint32_t key = ~0u; // never a 24-bit colour
        std::uint8_t index = 0;
    };

    std::uint8_t Search(Rgb colour) const;

    std::vector<Entry> byRed_;
    std::vector<CacheSlot> cache_;
};

} // namespace k7r
