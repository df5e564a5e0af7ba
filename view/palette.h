#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace k7r::view {

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
// cells of 8 x 8 x 8 colours, and each cell keeps the few entries that can
// be nearest anywhere in it. Most cells keep one or two, which the cell
// holds itself, and a colour there is matched without a branch; the longer
// lists of the other cells lie apart.
class NearestColour {
  public:
    NearestColour(const Palette& palette, std::uint32_t panelBpp);

    std::uint8_t operator()(Rgb colour) const {
        const std::uint32_t cell = cells_[CellOf(colour)];
        if ((cell >> kLongShift) != 0) {
            const std::uint32_t first = cell & kPlaceMask;
            return Closest(colour, first, first + (cell >> kLongShift) + 2);
        }
        const std::uint8_t a = cell & 0xFF;
        const std::uint8_t b = (cell >> 8) & 0xFF;
        return static_cast<std::uint8_t>(std::min(Key(colour, a), Key(colour, b)));
    }

  private:
    struct Candidate {
        Rgb colour;
        std::uint8_t index;
    };
    struct Box;

    static constexpr int kCellBits = 5;
    // A cell holds the indices of its one or two entries in its low bytes
    // (the same one twice for one); for more, their place in longLists_ in
    // its low bits and their count less 2 in its high byte.
    static constexpr std::uint32_t kLongShift = 24;
    static constexpr std::uint32_t kPlaceMask = (1u << kLongShift) - 1;

    static std::size_t CellOf(Rgb c) {
        constexpr int kShift = 8 - kCellBits;
        return static_cast<std::size_t>((c.r >> kShift) << (2 * kCellBits) |
                                        (c.g >> kShift) << kCellBits | (c.b >> kShift));
    }

    // Distance and index in one key, so that the smallest key is the
    // nearest entry with the lowest index.
    int Key(Rgb colour, std::uint8_t index) const {
        const Rgb entry = colours_[index];
        const int r = colour.r - entry.r;
        const int g = colour.g - entry.g;
        const int b = colour.b - entry.b;
        return (r * r + g * g + b * b) << 8 | index;
    }

    std::uint8_t Closest(Rgb colour, std::uint32_t first, std::uint32_t end) const;
    void Divide(const Box& box, std::size_t depth, const std::vector<Candidate>& from);
    void Fill(const Box& box, const std::vector<Candidate>& kept);

    Palette colours_;
    std::vector<std::uint32_t> cells_;
    std::vector<std::uint8_t> longLists_;
    // The entries kept at each depth of the division, reused box by box.
    std::vector<std::vector<Candidate>> kept_;
};

} // namespace k7r::view
