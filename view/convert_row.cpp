#include "view/convert_row.h"

namespace k7r::view {

namespace {

void PutRgb565(std::vector<std::uint8_t>& out, Rgb c) {
    auto word = static_cast<std::uint16_t>(((c.r & 0xF8) << 8) | ((c.g & 0xFC) << 3) | (c.b >> 3));
    out.push_back(static_cast<std::uint8_t>(word));
    out.push_back(static_cast<std::uint8_t>(word >> 8));
}

// Source 16-bit pixels have 5 bits per component, red highest.
Rgb From555(const std::uint8_t* p) {
    unsigned pixel = p[0] | (p[1] << 8);
    return {static_cast<std::uint8_t>((pixel >> 7) & 0xF8),
            static_cast<std::uint8_t>((pixel >> 2) & 0xF8),
            static_cast<std::uint8_t>((pixel << 3) & 0xF8)};
}

// One case label per panel and source depth.
constexpr std::uint32_t Pair(std::uint32_t panelBpp, std::uint32_t sourceBpp) {
    return panelBpp * 100 + sourceBpp;
}

} // namespace

RowConverter::RowConverter(std::uint32_t sourceBpp, std::uint32_t panelBpp, const Palette& lookup,
                           const Palette& file, ChannelOrder order)
    : sourceBpp_(sourceBpp), panelBpp_(panelBpp), lookup_(lookup), file_(file), order_(order) {}

Rgb RowConverter::Pixel24(const std::uint8_t* p) const {
    if (order_ == ChannelOrder::Bgr) {
        return {p[2], p[1], p[0]};
    }
    return {p[0], p[1], p[2]};
}

// The search is built on first use: the lookup palette is complete by then.
// One index per byte on 8-bit panels; two per byte on 4-bit panels, an odd
// last pixel in the high nibble.
template <typename Colour>
std::vector<std::uint8_t> RowConverter::ToIndices(std::size_t pixels, Colour colourOf) {
    if (!nearest_) {
        nearest_.emplace(lookup_, panelBpp_);
    }
    NearestColour& nearest = *nearest_;
    std::vector<std::uint8_t> out;
    if (panelBpp_ == 8) {
        out.resize(pixels);
        for (std::size_t i = 0; i < pixels; ++i) {
            out[i] = nearest(colourOf(i));
        }
        return out;
    }
    out.reserve((pixels + 1) / 2);
    for (std::size_t i = 0; i < pixels; i += 2) {
        auto high = nearest(colourOf(i));
        auto low = i + 1 < pixels ? nearest(colourOf(i + 1)) : 0;
        out.push_back(static_cast<std::uint8_t>((high << 4) | (low & 0x0F)));
    }
    return out;
}

std::vector<std::uint8_t> RowConverter::Convert(std::span<const std::uint8_t> row) {
    const std::uint8_t* p = row.data();
    std::size_t n = row.size();
    std::vector<std::uint8_t> out;
    switch (Pair(panelBpp_, sourceBpp_)) {
    case Pair(16, 24):
        out.reserve(n / 3 * 2);
        for (std::size_t i = 0; i + 3 <= n; i += 3) {
            PutRgb565(out, Pixel24(p + i));
        }
        return out;
    case Pair(16, 16):
        out.reserve(n);
        for (std::size_t i = 0; i + 2 <= n; i += 2) {
            PutRgb565(out, From555(p + i));
        }
        return out;
    case Pair(16, 8):
        out.reserve(n * 2);
        for (std::size_t i = 0; i < n; ++i) {
            PutRgb565(out, file_[p[i]]);
        }
        return out;
    case Pair(16, 4):
        out.reserve(n * 4);
        for (std::size_t i = 0; i < n; ++i) {
            PutRgb565(out, file_[p[i] >> 4]);
            PutRgb565(out, file_[p[i] & 0x0F]);
        }
        return out;
    case Pair(8, 4):
        out.reserve(n * 2);
        for (std::size_t i = 0; i < n; ++i) {
            out.push_back(p[i] >> 4);
            out.push_back(p[i] & 0x0F);
        }
        return out;
    case Pair(8, 16):
    case Pair(4, 16):
        return ToIndices(n / 2, [&](std::size_t i) { return From555(p + 2 * i); });
    case Pair(8, 24):
    case Pair(4, 24):
        return ToIndices(n / 3, [&](std::size_t i) { return Pixel24(p + 3 * i); });
    case Pair(4, 8):
        return ToIndices(n, [&](std::size_t i) { return file_[p[i]]; });
    default:
        return {row.begin(), row.end()};
    }
}

} // namespace k7r::view
