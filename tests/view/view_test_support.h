#pragma once

#include "view/display.h"
#include "view/memory_chip.h"
#include "view/palette.h"

#include <cstdint>
#include <string>
#include <vector>

namespace k7r::test {

inline std::string Sample(const std::string& name) {
    return std::string(K7R_VIEW_SAMPLES) + "/" + name;
}

// A 320 x 240 panel at the given depth with 256 KB of display memory, its
// stride and start address set as the viewer sets them.
struct Board {
    explicit Board(std::uint32_t bpp, std::uint32_t width = 320, std::uint32_t height = 240,
                   std::uint32_t memory = 256 * 1024)
        : chip(width, height, bpp, memory), display(chip), bpp(bpp) {
        display.SetBitsPerPixel(bpp);
    }
    // What the panel shows at virtual pixel (x, y): the RGB565 word on
    // 16-bit panels, else the lookup table's colour as 00RRGGBBh.
    std::uint32_t Seen(std::uint32_t x, std::uint32_t y) {
        const std::uint32_t offset = y * display.GetStride() + x * bpp / 8;
        const std::uint8_t byte = chip.Memory().at(offset);
        if (bpp == 16) {
            return byte | (chip.Memory().at(offset + 1) << 8);
        }
        return chip.Lut()[bpp == 8 ? byte : (x % 2 == 0 ? byte >> 4 : byte & 0x0F)];
    }

    view::MemoryChip chip;
    view::Display display;
    std::uint32_t bpp;
};

inline std::uint32_t Packed(view::Rgb c) {
    return (c.r << 16) | (c.g << 8) | c.b;
}

// The definition of the nearest colour, by a full scan.
inline std::uint8_t ScanNearest(const view::Palette& palette, int count, view::Rgb c) {
    int best = 1 << 30;
    int bestIndex = 0;
    for (int i = 0; i < count; ++i) {
        const int dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        if (dr * dr + dg * dg + db * db < best) {
            best = dr * dr + dg * dg + db * db;
            bestIndex = i;
        }
    }
    return static_cast<std::uint8_t>(bestIndex);
}

// A bitmap file: header, a grey colour table for 8 bits or fewer, then data.
inline std::vector<std::uint8_t> Bitmap(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                        std::uint32_t compression,
                                        const std::vector<std::uint8_t>& data) {
    const std::uint32_t tableSize = bits <= 8 ? (4u << bits) : 0;
    std::vector<std::uint8_t> b = {'B', 'M'};
    // File size, reserved, data offset, header size, width, height, planes
    // and bits, compression and five fields left 0.
    for (const std::uint32_t field :
         {0u, 0u, 54 + tableSize, 40u, std::uint32_t(width), std::uint32_t(height), 1u | bits << 16,
          compression, 0u, 0u, 0u, 0u, 0u}) {
        for (int i = 0; i < 4; ++i) {
            b.push_back(static_cast<std::uint8_t>(field >> (8 * i)));
        }
    }
    for (std::uint32_t i = 0; i < tableSize / 4; ++i) {
        const auto grey = static_cast<std::uint8_t>(i);
        b.insert(b.end(), {grey, grey, grey, 0});
    }
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

} // namespace k7r::test
