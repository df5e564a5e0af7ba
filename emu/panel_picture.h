#pragma once

#include "emu/board.h"

#include <cstdint>
#include <vector>

namespace k7r::emu {

// What the panel shows, 8-bit RGB, row by row from the top.
struct Picture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgb;

    std::uint32_t Pixel(std::uint32_t x, std::uint32_t y) const {
        const std::uint8_t* p = &rgb[(std::size_t{y} * width + x) * 3];
        return std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
    }
};

// Renders the main window from the board's registers, lookup table and
// display memory, as the user sees the panel mounted for its SwivelView:
// at 90 and 270 degrees the picture is panel height wide and panel width
// tall, and an image laid out by the start-address and stride rules shows
// upright. See panel_picture.cpp for the scan model.
Picture RenderPanel(const EmulatedBoard& board);

} // namespace k7r::emu
