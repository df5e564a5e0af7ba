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
// 256 otherwise, the lowest index winning a tie. Answers are worked out for
// a block of 4 x 4 x 4 colours when the first colour of the block is asked
// for, from the few entries that can be nearest anywhere in the block; they
// in turn come from a list kept per cell of 16 x 16 x 16 colours. A block
// with one answer throughout points at a shared block of that answer, so the
// answers of a whole image never take more than about 17 MiB.
class NearestColour {
  public:
    NearestColour(const Palette& palette, std::uint32_t panelBpp);

    std::uint8_t operator()(Rgb colour) {
        std::size_t block = BlockOf(colour);
        if (blockStart_[block] == kNotWorkedOut) {
            WorkOut(colour, block);
        }
        return answers_[blockStart_[block] + PlaceInBlock(colour)];
    }

  private:
    struct Candidate {
        Rgb colour;
        std::uint8_t index;
    };

    static constexpr std::uint32_t kNotWorkedOut = 0xFFFFFFFF;

    static std::size_t BlockOf(Rgb c) {
        return static_cast<std::size_t>((c.r >> 2) << 12 | (c.g >> 2) << 6 | (c.b >> 2));
    }
    static std::size_t PlaceInBlock(Rgb c) {
        return static_cast<std::size_t>((c.r & 3) << 4 | (c.g & 3) << 2 | (c.b & 3));
    }

    void WorkOut(Rgb colour, std::size_t block);
    const std::vector<Candidate>& CellCandidates(Rgb colour);

    // Each distinct colour once, with the lowest index that holds it.
    std::vector<Candidate> entries_;
    // Per cell, in index order; empty until first needed.
    std::vector<std::vector<Candidate>> cells_;
    // Where each block's 64 answers start in answers_, which begins with
    // the 256 blocks of one answer each.
    std::vector<std::uint32_t> blockStart_;
    std::vector<std::uint8_t> answers_;
};

} // namespace k7r
