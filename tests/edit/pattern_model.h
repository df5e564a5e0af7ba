#pragma once

#include "emu/panel_picture.h"
#include "hal/init.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

// The Direct tab's test pattern as its table describes it, unit by unit in
// closed form (a unit is a byte, or a pixel at 8 and 16 bpp), and the check
// of an emulated panel picture against it.
namespace k7r::test {

class PatternModel {
  public:
    PatternModel(std::uint32_t depth, std::uint32_t width, std::uint32_t height)
        : depth_(depth), width_(width), height_(height) {}

    // The colour index (the 16-bit pixel at 16 bpp) of picture pixel (x, y).
    std::uint32_t Pixel(std::uint32_t x, std::uint32_t y) const {
        if (depth_ >= 8) {
            return Unit(x, y);
        }
        const std::uint32_t bit = x * depth_;
        const std::uint32_t shift = 8 - depth_ - bit % 8;
        return (Unit(bit / 8, y) >> shift) & ((1u << depth_) - 1);
    }

  private:
    std::uint32_t Units() const { return depth_ >= 8 ? width_ : width_ * depth_ / 8; }
    std::uint32_t White() const { return depth_ == 16 ? 0xFFFF : 0xFF; }
    static std::uint32_t Ceil(std::uint32_t n, std::uint32_t d) { return (n + d - 1) / d; }

    std::uint32_t BandHeight() const {
        switch (depth_) {
        case 1:
        case 2:
            return Ceil(height_, 2);
        case 4:
        case 16:
            return Ceil(height_, 4);
        default:
            return Ceil(height_, 8);
        }
    }

    std::uint32_t BandWidth(std::uint32_t band) const {
        switch (depth_) {
        case 1:
            return width_ / 16 + (width_ % 8 == 0 ? 1 : 0);
        case 2:
            return Ceil(width_, 8);
        case 4:
            return width_ / 8;
        case 16:
            return band == 1 ? Ceil(width_, 64) : Ceil(width_, 32);
        default:
            return Ceil(width_, 32);
        }
    }

    // The line's value after `steps` band boundaries in horizontal band j.
    std::uint32_t Value(std::uint32_t j, std::uint32_t steps) const {
        switch (depth_) {
        case 1:
            return ((j + steps) % 2) * 0xFF;
        case 2:
            return ((j == 0 ? 0 : 2) + steps) % 4 * 0x55;
        case 4:
            return ((4 * j + steps) % 16) * 0x11;
        case 16: {
            const std::uint32_t s = steps;
            switch (j) {
            case 0:
                return (s % 32) << 11;
            case 1:
                return (s % 64) << 5;
            case 2:
                return s % 32;
            default:
                return (s % 32) << 11 | (2 * s % 64) << 5 | s % 32;
            }
        }
        default: {
            std::uint32_t v = 32 * j % 256;
            for (std::uint32_t n = 0; n < steps; ++n) {
                v = (v + 1) % 256 == 0 ? 255 : (v + 1) % 256;
            }
            return v;
        }
        }
    }

    std::uint32_t MarkerFirst() const {
        switch (depth_) {
        case 1:
            return width_ / 16 - 1;
        case 2:
            return width_ / 8 - 3;
        case 4:
            return width_ / 4 - 5;
        default:
            return width_ / 2 - 10;
        }
    }
    std::uint32_t MarkerUnits() const {
        switch (depth_) {
        case 1:
            return 4;
        case 2:
            return 6;
        case 4:
            return 10;
        default:
            return 20;
        }
    }

    std::uint32_t Unit(std::uint32_t k, std::uint32_t y) const {
        const std::uint32_t units = Units();
        if (y == 0 || y + 1 == height_) {
            return White();
        }
        const std::uint32_t j = y / BandHeight();
        const std::uint32_t width = BandWidth(j);
        const auto steps = [&](std::uint32_t at) { return width == 0 ? 0 : at / width; };
        std::uint32_t value;
        if (k == 0) {
            value = Value(j, 0) | FirstMask();
        } else if (k + 1 == units) {
            value = Value(j, steps(units - 2)) | LastMask();
        } else {
            value = Value(j, steps(k));
        }
        if (y <= 9 && k >= MarkerFirst() && k < MarkerFirst() + MarkerUnits()) {
            value ^= White();
        }
        return value;
    }

    std::uint32_t FirstMask() const {
        switch (depth_) {
        case 1:
            return 0x80;
        case 2:
            return 0xC0;
        case 4:
            return 0xF0;
        default:
            return White();
        }
    }
    std::uint32_t LastMask() const {
        switch (depth_) {
        case 1:
            return 0x01;
        case 2:
            return 0x03;
        case 4:
            return 0x0F;
        default:
            return White();
        }
    }

    std::uint32_t depth_;
    std::uint32_t width_;
    std::uint32_t height_;
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

// Every pixel of the picture against the model, the model's picture moved
// `shift` pixels to the right (what lies left of it is cleared memory).
// Stops at the first difference.
inline ::testing::AssertionResult ShowsPattern(const emu::Picture& picture, std::uint32_t depth,
                                               bool colour, std::uint32_t shift = 0) {
    const PatternModel model(depth, picture.width, picture.height);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const std::uint32_t expected = x < shift
                                               ? PanelRgb(depth, colour, 0)
                                               : PanelRgb(depth, colour, model.Pixel(x - shift, y));
            if (picture.Pixel(x, y) != expected) {
                char text[96];
                std::snprintf(text, sizeof text, "pixel (%u, %u) is %06X, not %06X", x, y,
                              picture.Pixel(x, y), expected);
                return ::testing::AssertionFailure() << text;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace k7r::test
