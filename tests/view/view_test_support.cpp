#include "tests/view/view_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace k7r::test {
namespace {

std::uint32_t Rgb565(view::Rgb c) {
    return ((c.r & 0xF8) << 8) | ((c.g & 0xFC) << 3) | (c.b >> 3);
}

} // namespace

std::string Sample(const std::string& name) {
    return std::string(K7R_VIEW_SAMPLES) + "/" + name;
}

std::vector<view::Rgb> ReadRgb(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    std::vector<view::Rgb> colours;
    for (std::size_t i = 0; i + 3 <= bytes.size(); i += 3) {
        colours.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    }
    return colours;
}

Board::Board(std::uint32_t bpp, std::uint32_t width, std::uint32_t height, std::uint32_t memory)
    : chip(width, height, bpp, memory), display(chip), bpp(bpp) {
    display.SetBitsPerPixel(bpp);
}

std::uint32_t Board::Seen(std::uint32_t x, std::uint32_t y) {
    std::uint32_t offset = y * display.GetStride() + x * bpp / 8;
    std::uint8_t byte = chip.Memory().at(offset);
    if (bpp == 16) {
        return byte | (chip.Memory().at(offset + 1) << 8);
    }
    std::uint32_t index = bpp == 8 ? byte : (x % 2 == 0 ? byte >> 4 : byte & 0x0F);
    return chip.Lut()[index];
}

std::uint32_t Packed(view::Rgb c) {
    return (c.r << 16) | (c.g << 8) | c.b;
}

std::uint8_t ScanNearest(const view::Palette& palette, int count, view::Rgb c) {
    int best = 1 << 30;
    int bestIndex = 0;
    for (int i = 0; i < count; ++i) {
        int dr = palette[i].r - c.r;
        int dg = palette[i].g - c.g;
        int db = palette[i].b - c.b;
        int d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    return static_cast<std::uint8_t>(bestIndex);
}

namespace {

std::uint32_t Expected(const DecodeCase& c, view::Rgb reference) {
    if (c.bpp == 16) {
        return Rgb565(reference);
    }
    switch (c.rule) {
    case Rule::NearestDeep:
        return Packed(
            view::DeepColourPalette()[ScanNearest(view::DeepColourPalette(), 256, reference)]);
    case Rule::NearestFixed16:
        return Packed(view::FixedPalette16()[ScanNearest(view::FixedPalette16(), 16, reference)]);
    default:
        return Packed(reference);
    }
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

} // namespace

void ExpectCentred(const DecodeCase& c, const std::vector<view::Rgb>& reference,
                   const std::function<std::uint32_t(std::uint32_t x, std::uint32_t y)>& seen) {
    ASSERT_EQ(reference.size(), 101u * 77u);
    std::uint32_t left = c.bpp == 4 ? 108 : 109;
    int mismatches = 0;
    for (std::uint32_t y = 0; y < 77; ++y) {
        for (std::uint32_t x = 0; x < 101; ++x) {
            std::uint32_t want = Expected(c, reference[y * 101 + x]);
            std::uint32_t got = seen(left + x, 81 + y);
            if (got != want && ++mismatches <= 5) {
                ADD_FAILURE() << c.image << " at " << c.bpp << " bpp, pixel (" << x << ", " << y
                              << "): seen " << std::hex << got << ", want " << want;
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << c.image << " at " << c.bpp << " bpp";
}

std::vector<std::uint8_t> Bitmap(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                 std::uint32_t compression, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    std::size_t tableSize = bits <= 8 ? (std::size_t{4} << bits) : 0;
    Put32(b, 10, static_cast<std::uint32_t>(54 + tableSize));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<std::uint8_t>(bits);
    Put32(b, 30, compression);
    for (std::size_t i = 0; i < tableSize / 4; ++i) {
        auto grey = static_cast<std::uint8_t>(i);
        b.insert(b.end(), {grey, grey, grey, 0});
    }
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

} // namespace k7r::test
