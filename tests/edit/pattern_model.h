#pragma once

#include "emu/panel_picture.h"
#include "hal/lookup_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

// The Direct tab's test pattern as its table describes it, in closed form
// per unit (a byte; a pixel at 8 and 16 bpp), and the check of an emulated
// panel picture against it.
namespace k7r::test {

class PatternModel {
  public:
    PatternModel(std::uint32_t depth, std::uint32_t width, std::uint32_t height)
        : d_(depth), w_(width), h_(height) {}

    // The colour index (the 16-bit pixel at 16 bpp) of picture pixel (x, y).
    std::uint32_t Pixel(std::uint32_t x, std::uint32_t y) const {
        if (d_ >= 8) {
            return Unit(x, y);
        }
        const std::uint32_t bit = x * d_;
        return (Unit(bit / 8, y) >> (8 - d_ - bit % 8)) & ((1u << d_) - 1);
    }

  private:
    static std::uint32_t Ceil(std::uint32_t n, std::uint32_t d) { return (n + d - 1) / d; }
    std::uint32_t White() const { return d_ == 16 ? 0xFFFF : 0xFF; }

    std::uint32_t Unit(std::uint32_t k, std::uint32_t y) const {
        const std::uint32_t units = d_ >= 8 ? w_ : w_ * d_ / 8;
        if (y == 0 || y + 1 == h_) {
            return White();
        }
        const std::uint32_t j = y / Ceil(h_, d_ <= 2 ? 2 : d_ == 8 ? 8 : 4);
        std::uint32_t width = Ceil(w_, 32); // 8 and 16 bpp
        if (d_ == 1) {
            width = w_ / 16 + (w_ % 8 == 0 ? 1 : 0);
        } else if (d_ == 2) {
            width = Ceil(w_, 8);
        } else if (d_ == 4) {
            width = w_ / 8;
        } else if (d_ == 16 && j == 1) {
            width = Ceil(w_, 64);
        }
        const std::uint32_t steps = width == 0 ? 0 : std::min(std::max(k, 1u), units - 2) / width;
        // Both ends of the line are white: its first and last pixel.
        const std::uint32_t frame =
            k == 0 ? (d_ >= 8 ? White() : (0xFF00u >> d_) & 0xFF)
                   : (k + 1 == units ? (d_ >= 8 ? White() : (1u << d_) - 1) : 0);
        std::uint32_t value = (k == 0 ? Value(j, 0) : Value(j, steps)) | frame;
        const std::uint32_t run[] = {0, w_ / 16 - 1, w_ / 8 - 3, 0, w_ / 4 - 5};
        const std::uint32_t runLength[] = {0, 4, 6, 0, 10};
        const std::uint32_t first = d_ <= 4 ? run[d_] : w_ / 2 - 10;
        if (y <= 9 && k >= first && k < first + (d_ <= 4 ? runLength[d_] : 20)) {
            value ^= White();
        }
        return value;
    }

    // The running value after `s` band boundaries along a line of band j.
    std::uint32_t Value(std::uint32_t j, std::uint32_t s) const {
        switch (d_) {
        case 1:
            return (j + s) % 2 * 0xFF;
        case 2:
            return ((j == 0 ? 0 : 2) + s) % 4 * 0x55;
        case 4:
            return (4 * j + s) % 16 * 0x11;
        case 16: {
            const std::uint32_t red = s % 32 << 11, green = s % 64 << 5, blue = s % 32;
            const std::uint32_t bands[] = {red, green, blue, red | (2 * s % 64) << 5 | blue};
            return bands[j];
        }
        default: // no line has the 32 steps that would wrap
            return 32 * j % 256 + s;
        }
    }

    std::uint32_t d_, w_, h_;
};

// What the panel shows for a colour index or a 16-bit pixel, as RGB.
inline std::uint32_t PanelRgb(std::uint32_t depth, bool colour, std::uint32_t pixel) {
    if (depth == 16) {
        const std::uint32_t r = pixel >> 11, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
        return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
    }
    const std::uint32_t rgb = hal::DefaultLookupTable(depth, colour)[pixel] & 0xFFFFFF;
    const std::uint32_t grey = (rgb >> 8) & 0xFF; // a monochrome panel shows green
    return colour ? rgb : grey << 16 | grey << 8 | grey;
}

// Every pixel of the picture against the model's, moved `shift` pixels to
// the right (cleared memory left of it); the first difference fails.
inline ::testing::AssertionResult ShowsPattern(const emu::Picture& picture, std::uint32_t depth,
                                               bool colour, std::uint32_t shift = 0) {
    const PatternModel model(depth, picture.width, picture.height);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const std::uint32_t pixel = x < shift ? 0 : model.Pixel(x - shift, y);
            if (picture.Pixel(x, y) != PanelRgb(depth, colour, pixel)) {
                char text[64];
                std::snprintf(text, sizeof text, "pixel (%u, %u) is %06X, not %06X", x, y,
                              picture.Pixel(x, y), PanelRgb(depth, colour, pixel));
                return ::testing::AssertionFailure() << text;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace k7r::test
