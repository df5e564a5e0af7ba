#include "view/palette.h"

#include <algorithm>
#include <limits>

namespace k7r::view {

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

constexpr int Square(int value) {
    return value * value;
}

} // namespace

// A cube of colour space: size levels from low in each component.
struct NearestColour::Box {
    Rgb low;
    int size;

    int High(std::uint8_t from) const { return from + size - 1; }

    // The squared distance from a colour to the box's centre, coordinates
    // doubled so that the centre has no halves.
    int CentreDistance(Rgb c) const {
        auto one = [&](int v, int from) { return Square(2 * v - (2 * from + size - 1)); };
        return one(c.r, low.r) + one(c.g, low.g) + one(c.b, low.b);
    }

    // Whether `winner` is nearer than `other` everywhere in the box, or as
    // near with a lower index. The difference of their squared distances
    // from x, |x - w|^2 - |x - o|^2 = |w|^2 - |o|^2 - 2 x.(w - o), is
    // linear in x, so it is largest at a corner, which each component picks
    // on its own.
    bool Beats(const Candidate& winner, const Candidate& other) const {
        const Rgb w = winner.colour;
        const Rgb o = other.colour;
        auto pull = [&](int wv, int ov, std::uint8_t from) {
            const int d = wv - ov;
            return d > 0 ? from * d : High(from) * d;
        };
        const int largest =
            Square(w.r) + Square(w.g) + Square(w.b) - (Square(o.r) + Square(o.g) + Square(o.b)) -
            2 * (pull(w.r, o.r, low.r) + pull(w.g, o.g, low.g) + pull(w.b, o.b, low.b));
        return largest < 0 || (largest == 0 && winner.index < other.index);
    }
};

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
    : colours_(palette), cells_(std::size_t{1} << (3 * kCellBits)), kept_(kCellBits + 1) {
    std::vector<Candidate> entries;
    const std::size_t count = panelBpp == 4 ? 16 : 256;
    for (std::size_t i = 0; i < count; ++i) {
        auto seen = [&](const Candidate& c) { return c.colour == palette[i]; };
        if (std::none_of(entries.begin(), entries.end(), seen)) {
            entries.push_back({palette[i], static_cast<std::uint8_t>(i)});
        }
    }
    Divide(Box{{0, 0, 0}, 256}, 0, entries);
}

// Keeps the entries that no single entry beats throughout the box; the one
// nearest to its centre is the likeliest to beat the others. A box that
// keeps one entry, or is a cell, is done; others are cut in eight.
void NearestColour::Divide(const Box& box, std::size_t depth, const std::vector<Candidate>& from) {
    const Candidate* central = &from.front();
    int centralKey = std::numeric_limits<int>::max();
    for (const Candidate& c : from) {
        const int key = box.CentreDistance(c.colour) << 8 | c.index;
        if (key < centralKey) {
            centralKey = key;
            central = &c;
        }
    }
    std::vector<Candidate>& kept = kept_[depth];
    kept.clear();
    for (const Candidate& c : from) {
        if (&c == central || !box.Beats(*central, c)) {
            kept.push_back(c);
        }
    }
    if (kept.size() == 1 || box.size == 1 << (8 - kCellBits)) {
        Fill(box, kept);
        return;
    }
    const int half = box.size / 2;
    for (int corner = 0; corner < 8; ++corner) {
        auto low = [&](std::uint8_t from, int bit) {
            return static_cast<std::uint8_t>(from + ((corner >> bit & 1) ? half : 0));
        };
        Divide(Box{{low(box.low.r, 2), low(box.low.g, 1), low(box.low.b, 0)}, half}, depth + 1,
               kept);
    }
}

void NearestColour::Fill(const Box& box, const std::vector<Candidate>& kept) {
    std::uint32_t cell = kept.front().index | std::uint32_t{kept.back().index} << 8;
    if (kept.size() > 2) {
        cell = static_cast<std::uint32_t>(longLists_.size()) |
               static_cast<std::uint32_t>(kept.size() - 2) << kLongShift;
        for (const Candidate& c : kept) {
            longLists_.push_back(c.index);
        }
    }
    const int cellSize = 1 << (8 - kCellBits);
    for (int r = box.low.r; r < box.low.r + box.size; r += cellSize) {
        for (int g = box.low.g; g < box.low.g + box.size; g += cellSize) {
            for (int b = box.low.b; b < box.low.b + box.size; b += cellSize) {
                cells_[CellOf({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                               static_cast<std::uint8_t>(b)})] = cell;
            }
        }
    }
}

std::uint8_t NearestColour::Closest(Rgb colour, std::uint32_t first, std::uint32_t end) const {
    int best = Key(colour, longLists_[first]);
    for (std::uint32_t i = first + 1; i < end; ++i) {
        best = std::min(best, Key(colour, longLists_[i]));
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace k7r::view
