#include "view/palette.h"

#include <algorithm>

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
constexpr int kNoDistance = 3 * 255 * 255 + 1;

constexpr int Square(int value) {
    return value * value;
}

int Distance(Rgb a, Rgb b) {
    return Square(a.r - b.r) + Square(a.g - b.g) + Square(a.b - b.b);
}

// One cell of colour space: kCellSize levels from low in each component.
struct Box {
    int low[3];

    static int Component(Rgb c, int i) { return i == 0 ? c.r : i == 1 ? c.g : c.b; }

    // Squared distances from a colour to the nearest and the farthest
    // point of the box.
    int Nearest(Rgb c) const {
        int sum = 0;
        for (int i = 0; i < 3; ++i) {
            int v = Component(c, i);
            int high = low[i] + kCellSize - 1;
            sum += v < low[i] ? Square(low[i] - v) : v > high ? Square(v - high) : 0;
        }
        return sum;
    }
    int Farthest(Rgb c) const {
        int sum = 0;
        for (int i = 0; i < 3; ++i) {
            int v = Component(c, i);
            sum += std::max(Square(v - low[i]), Square(v - (low[i] + kCellSize - 1)));
        }
        return sum;
    }
};

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
    : entries_(palette.begin(), palette.begin() + (panelBpp == 4 ? 16 : 256)),
      cells_(std::size_t{1} << (3 * kCellBits)) {}

std::uint8_t NearestColour::operator()(Rgb colour) {
    int best = kNoDistance;
    std::uint8_t bestIndex = 0;
    for (const Candidate& candidate : Candidates(colour)) {
        int d = Distance(candidate.colour, colour);
        if (d < best) {
            best = d;
            bestIndex = candidate.index;
        }
    }
    return bestIndex;
}

// An entry whose nearest point of the cell is farther than some entry's
// farthest point can never win there, nor tie; every other entry is kept.
const std::vector<NearestColour::Candidate>& NearestColour::Candidates(Rgb colour) {
    constexpr int kShift = 8 - kCellBits;
    std::size_t cell = ((colour.r >> kShift) << (2 * kCellBits)) |
                       ((colour.g >> kShift) << kCellBits) | (colour.b >> kShift);
    std::vector<Candidate>& candidates = cells_[cell];
    if (!candidates.empty()) {
        return candidates;
    }
    Box box{
        {colour.r >> kShift << kShift, colour.g >> kShift << kShift, colour.b >> kShift << kShift}};
    int bound = kNoDistance;
    for (const Rgb& entry : entries_) {
        bound = std::min(bound, box.Farthest(entry));
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (box.Nearest(entries_[i]) <= bound) {
            candidates.push_back({entries_[i], static_cast<std::uint8_t>(i)});
        }
    }
    return candidates;
}

} // namespace k7r
