#include "tests/view/view_test_support.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace k7r::test {

std::string Sample(const std::string& name) {
    return std::string(K7R_VIEW_SAMPLES) + "/" + name;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<Rgb> ReadRgb(const std::string& path) {
    std::vector<std::uint8_t> bytes = ReadBytes(path);
    std::vector<Rgb> colours;
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

std::uint32_t Rgb565(Rgb c) {
    return ((c.r & 0xF8) << 8) | ((c.g & 0xFC) << 3) | (c.b >> 3);
}

std::uint32_t Packed(Rgb c) {
    return (c.r << 16) | (c.g << 8) | c.b;
}

std::uint8_t ScanNearest(const Palette& palette, int count, Rgb c) {
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

std::uint32_t ExpectedIndexed(Rule rule, Rgb reference) {
    switch (rule) {
    case Rule::NearestDeep:
        return Packed(DeepColourPalette()[ScanNearest(DeepColourPalette(), 256, reference)]);
    case Rule::NearestFixed16:
        return Packed(FixedPalette16()[ScanNearest(FixedPalette16(), 16, reference)]);
    default:
        return Packed(reference);
    }
}

} // namespace k7r::test
