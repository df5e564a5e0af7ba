#include "view/palette.h"

#include <algorithm>

namespace k7r {

namespace {

constexpr std::uint32_t kCacheBits = 16;

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

constexpr std::uint32_t Key(Rgb c) {
    return (c.r << 16) | (c.g << 8) | c.b;
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
    : cache_(std::size_t{1} << kCacheBits) {
    int count = panelBpp == 4 ? 16 : 256;
    for (int i = 0; i < count; ++i) {
        byRed_.push_back({palette[i], static_cast<std::uint8_t>(i)});
    }
    std::stable_sort(byRed_.begin(), byRed_.end(),
                     [](const Entry& a, const Entry& b) { return a.colour.r < b.colour.r; });
}

std::uint8_t NearestColour::operator()(Rgb colour) {
    std::uint32_t key = Key(colour);
    CacheSlot& slot = cache_[(key * 2654435761u) >> (32 - kCacheBits)];
    if (slot.key != key) {
        slot = {key, Search(colour)};
    }
    return slot.index;
}

// Walks outward from the entries of the colour's own red level; an entry whose
// red difference alone exceeds the best distance, and every one beyond it,
// cannot win. Entries at exactly the best distance are still looked at for
// the lower index.
std::uint8_t NearestColour::Search(Rgb colour) const {
    int best = 3 * 255 * 255 + 1;
    std::uint8_t bestIndex = 0;
    auto consider = [&](const Entry& e) {
        int d = Square(e.colour.r - colour.r) + Square(e.colour.g - colour.g) +
                Square(e.colour.b - colour.b);
        if (d < best || (d == best && e.index < bestIndex)) {
            best = d;
            bestIndex = e.index;
        }
    };
    auto start = std::lower_bound(byRed_.begin(), byRed_.end(), colour.r,
                                  [](const Entry& e, std::uint8_t r) { return e.colour.r < r; });
    for (auto it = start; it != byRed_.end() && Square(it->colour.r - colour.r) <= best; ++it) {
        consider(*it);
    }
    for (auto it = start; it != byRed_.begin();) {
        --it;
        if (Square(it->colour.r - colour.r) > best) {
            break;
        }
        consider(*it);
    }
    return bestIndex;
}

} // namespace k7r
