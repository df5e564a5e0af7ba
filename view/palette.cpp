#include "view/palette.h"

#include <algorithm>
#include <span>

namespace k7r {

namespace {

constexpr Palette MakeFixedPalette16() {
    constexpr std::uint32_t kColours[16] = {
        0x000000, 0x0000A0, 0x00A000, 0x00A0A0, 0xA00000, 0xA000A0, 0xA0A000, 0xA0A0A0,
        0x000000, 0x0000F0, 0x00F000, 0x00F0F0, 0xF00000, 0xF000F0, 0xF0F000, 0xF0F0F0,
    };
    Palette palette{};
    for (int i = 0; i < 16; ++i) {
        palette[i] = {static_cast<std::uint8_t>(kColours[i] >> 16),
                      static_cast<std::uint8_t>(kColours[i] >> 8),
                      static_cast<std::uint8_t>(kColours[i])};
    }
    return palette;
}

// Grey levels rise by 9 and 8 in turn from 0 to 255; the cube's levels are
// multiples of 51, red slowest and blue fastest.
constexpr Palette MakeDeepColourPalette() {
    Palette palette{};
    int n = 0;
    int level = 0;
    for (int i = 0; i < 31; ++i) {
        auto grey = static_cast<std::uint8_t>(level);
        palette[n++] = {grey, grey, grey};
        level += (i % 2 == 0) ? 9 : 8;
    }
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                palette[n++] = {static_cast<std::uint8_t>(r * 51),
                                static_cast<std::uint8_t>(g * 51),
                                static_cast<std::uint8_t>(b * 51)};
            }
        }
    }
    return palette;
}

constexpr Palette MakeGreyRamp() {
    Palette palette{};
    for (int i = 0; i < 256; ++i) {
        auto grey = static_cast<std::uint8_t>(i);
        palette[i] = {grey, grey, grey};
    }
    return palette;
}

constexpr int kCellBits = 4;
constexpr int kCellSize = 1 << (8 - kCellBits);
constexpr int kBlockSize = 4;
constexpr int kBlockColours = kBlockSize * kBlockSize * kBlockSize;
constexpr int kBlocks = (256 / kBlockSize) * (256 / kBlockSize) * (256 / kBlockSize);
constexpr int kNoDistance = 3 * 255 * 255 + 1;

constexpr int Square(int value) {
    return value * value;
}

// A cube of colour space: size levels from low in each component.
struct Box {
    Rgb low;
    int size;

    // Squared distances from a colour to the nearest and the farthest
    // point of the box.
    int Nearest(Rgb c) const {
        return Nearest(c.r, low.r) + Nearest(c.g, low.g) + Nearest(c.b, low.b);
    }
    int Farthest(Rgb c) const {
        return Farthest(c.r, low.r) + Farthest(c.g, low.g) + Farthest(c.b, low.b);
    }

  private:
    int Nearest(int v, int from) const {
        return Square(std::max({from - v, 0, v - (from + size - 1)}));
    }
    int Farthest(int v, int from) const { return Square(std::max(v - from, from + size - 1 - v)); }
};

Rgb LowCorner(Rgb c, int size) {
    auto corner = [size](std::uint8_t v) { return static_cast<std::uint8_t>(v / size * size); };
    return {corner(c.r), corner(c.g), corner(c.b)};
}

// An entry whose nearest point of the box is farther than some entry's
// farthest point can never win there, nor tie; every other entry is kept,
// in the order given.
template <typename Candidate, typename Keep>
void KeepPossible(const std::vector<Candidate>& from, const Box& box, Keep keep) {
    int bound = kNoDistance;
    for (const Candidate& candidate : from) {
        bound = std::min(bound, box.Farthest(candidate.colour));
    }
    for (const Candidate& candidate : from) {
        if (box.Nearest(candidate.colour) <= bound) {
            keep(candidate);
        }
    }
}

} // namespace

const Palette& FixedPalette16() {
    static constexpr Palette kPalette = MakeFixedPalette16();
    return kPalette;
}

const Palette& DeepColourPalette() {
    static constexpr Palette kPalette = MakeDeepColourPalette();
    return kPalette;
}

const Palette& GreyRamp() {
    static constexpr Palette kPalette = MakeGreyRamp();
    return kPalette;
}

NearestColour::NearestColour(const Palette& palette, std::uint32_t panelBpp)
    : cells_(std::size_t{1} << (3 * kCellBits)), blockStart_(kBlocks, kNotWorkedOut),
      answers_(256 * kBlockColours) {
    std::size_t count = panelBpp == 4 ? 16 : 256;
    for (std::size_t i = 0; i < count; ++i) {
        auto seen = [&](const Candidate& c) { return c.colour == palette[i]; };
        if (std::none_of(entries_.begin(), entries_.end(), seen)) {
            entries_.push_back({palette[i], static_cast<std::uint8_t>(i)});
        }
    }
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        answers_[i] = static_cast<std::uint8_t>(i / kBlockColours);
    }
}

// Distance and index in one key, so that the smallest key is the nearest
// entry with the lowest index.
void NearestColour::WorkOut(Rgb colour, std::size_t block) {
    Box box{LowCorner(colour, kBlockSize), kBlockSize};
    std::array<const Candidate*, 256> near;
    std::size_t count = 0;
    KeepPossible(CellCandidates(colour), box, [&](const Candidate& c) { near[count++] = &c; });
    if (count == 1) {
        blockStart_[block] = static_cast<std::uint32_t>(near[0]->index * kBlockColours);
        return;
    }
    std::array<int, kBlockColours> best;
    best.fill(kNoDistance << 8);
    for (const Candidate* c : std::span(near).first(count)) {
        int place = 0;
        for (int r = box.low.r; r < box.low.r + kBlockSize; ++r) {
            for (int g = box.low.g; g < box.low.g + kBlockSize; ++g) {
                int rg = Square(r - c->colour.r) + Square(g - c->colour.g);
                for (int b = box.low.b; b < box.low.b + kBlockSize; ++b, ++place) {
                    int key = (rg + Square(b - c->colour.b)) << 8 | c->index;
                    best[place] = std::min(best[place], key);
                }
            }
        }
    }
    blockStart_[block] = static_cast<std::uint32_t>(answers_.size());
    for (int key : best) {
        answers_.push_back(static_cast<std::uint8_t>(key));
    }
}

const std::vector<NearestColour::Candidate>& NearestColour::CellCandidates(Rgb colour) {
    constexpr int kShift = 8 - kCellBits;
    std::size_t cell = ((colour.r >> kShift) << (2 * kCellBits)) |
                       ((colour.g >> kShift) << kCellBits) | (colour.b >> kShift);
    std::vector<Candidate>& candidates = cells_[cell];
    if (candidates.empty()) {
        KeepPossible(entries_, Box{LowCorner(colour, kCellSize), kCellSize},
                     [&](const Candidate& c) { candidates.push_back(c); });
    }
    return candidates;
}

} // namespace k7r
