#pragma once

#include "view/display.h"
#include "view/memory_chip.h"
#include "view/palette.h"

#include <cstdint>
#include <string>
#include <vector>

namespace k7r::test {

std::string Sample(const std::string& name);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// A raw RGB reference decode as colours.
std::vector<Rgb> ReadRgb(const std::string& path);

// A 320 x 240 panel at the given depth with 256 KB of display memory, its
// stride and start address set as the viewer sets them.
struct Board {
    explicit Board(std::uint32_t bpp, std::uint32_t width = 320, std::uint32_t height = 240,
                   std::uint32_t memory = 256 * 1024);
    // What the panel shows at virtual pixel (x, y): the RGB565 word on
    // 16-bit panels, else the lookup table's colour as 00RRGGBBh.
    std::uint32_t Seen(std::uint32_t x, std::uint32_t y);

    MemoryChip chip;
    Display display;
    std::uint32_t bpp;
};

std::uint32_t Rgb565(Rgb c);
std::uint32_t Packed(Rgb c);
// The definition of the nearest colour, by a full scan.
std::uint8_t ScanNearest(const Palette& palette, int count, Rgb c);

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

// The lookup table colour, as 00RRGGBBh, that a 4- or 8-bit panel shows for
// a reference colour.
std::uint32_t ExpectedIndexed(Rule rule, Rgb reference);

} // namespace k7r::test
