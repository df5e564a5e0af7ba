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
// cells of 8 x 8 x 8 colours, and each cell keeps the few entries that can
// be nearest anywhere in it; most cells keep one, their answer. A colour is
// then matched against its cell's entries alone.
class NearestColour {
  public:
    NearestColour(const Palette& palette, std::uint32_t panelBpp);

    std::uint8_t operator()(Rgb colour) const {
        const std::uint32_t cell = cells_[CellOf(colour)];
        const std::uint32_t first = cell >> kCountBits;
        const std::uint32_t more = cell & kMoreMask;
        if (more == 0) {
            return static_cast<std::uint8_t>(first); // the entry's own index
        }
        return Closest(colour, first, first + more + 1);
    }

  private:
    struct Candidate {
        Rgb colour;
        std::uint8_t index;
    };
    struct Box;

    static constexpr int kCellBits = 5;
    // A cell holds its entries' place in pool_ and how many more than one
    // it has.
    static constexpr std::uint32_t kCountBits = 8;
    static constexpr std::uint32_t kMoreMask = (1u << kCountBits) - 1;

    static std::size_t CellOf(Rgb c) {
        constexpr int kShift = 8 - kCellBits;
        return static_cast<std::size_t>((c.r >> kShift) << (2 * kCellBits) |
                                        (c.g >> kShift) << kCellBits | (c.b >> kShift));
    }

    std::uint8_t Closest(Rgb colour, std::uint32_t first, std::uint32_t end) const;
    void Divide(const Box& box, std::size_t depth, const std::vector<Candidate>& from);
    void Fill(const Box& box, const std::vector<Candidate>& kept);

    std::vector<std::uint32_t> cells_;
    // Starts with each distinct colour at its lowest index, where cells with
    // that one entry point; the lists of the other cells follow.
    std::vector<Candidate> pool_;
    // The entries kept at each depth of the division, reused box by box.
    std::vector<std::vector<Candidate>> kept_;
};

} // namespace k7r
