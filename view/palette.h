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
// 256 otherwise, the lowest index winning a tie. Colour space is cut into
// 16 x 16 x 16 cells; the first colour asked for in a cell lists the entries
// that can be nearest to any colour of that cell, and every colour of the
// cell is then matched against that short list only.
class NearestColour {
  public:
    NearestColour(const Palette& palette, std::uint32_t panelBpp);
    std::uint8_t operator()(Rgb colour);

  private:
    struct Candidate {
        Rgb colour;
        std::uint8_t index;
    };

    const std::vector<Candidate>& Candidates(Rgb colour);

    std::vector<Rgb> entries_;
    // Per cell, in index order; empty until first needed.
    std::vector<std::vector<Candidate>> cells_;
};

} // namespace k7r
