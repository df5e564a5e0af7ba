#pragma once

#include "view/display.h"
#include "view/memory_chip.h"
#include "view/palette.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace k7r::test {

std::string Sample(const std::string& name);
// A raw RGB reference decode as colours.
std::vector<view::Rgb> ReadRgb(const std::string& path);

// A 320 x 240 panel at the given depth with 256 KB of display memory, its
// stride and start address set as the viewer sets them.
struct Board {
    explicit Board(std::uint32_t bpp, std::uint32_t width = 320, std::uint32_t height = 240,
                   std::uint32_t memory = 256 * 1024);
    // What the panel shows at virtual pixel (x, y): the RGB565 word on
    // 16-bit panels, else the lookup table's colour as 00RRGGBBh.
    std::uint32_t Seen(std::uint32_t x, std::uint32_t y);

    view::MemoryChip chip;
    view::Display display;
    std::uint32_t bpp;
};

std::uint32_t Packed(view::Rgb c);
// The definition of the nearest colour, by a full scan.
std::uint8_t ScanNearest(const view::Palette& palette, int count, view::Rgb c);

// How the panel's colour follows from a reference decode's colour on 4- and
// 8-bit panels; 16-bit panels show its RGB565 packing.
enum class Rule { Exact, NearestDeep, NearestFixed16 };

// An image, its reference decode and the panel depth it is drawn at.
struct DecodeCase {
    const char* image;
    const char* reference;
    std::uint32_t bpp;
    Rule rule;
};

// Compares the 101 x 77 sample drawn centred on the 320 x 240 panel, as
// `seen` reports it, with its reference decode. At 4 bpp the odd left edge
// is drawn from the byte that holds it.
void ExpectCentred(const DecodeCase& c, const std::vector<view::Rgb>& reference,
                   const std::function<std::uint32_t(std::uint32_t x, std::uint32_t y)>& seen);

// A bitmap file: header, a grey colour table for 8 bits or fewer, then data.
std::vector<std::uint8_t> Bitmap(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                 std::uint32_t compression, const std::vector<std::uint8_t>& data);

} // namespace k7r::test
