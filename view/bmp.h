#pragma once

#include "view/draw_target.h"
#include "view/image_file.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace k7r::view {

struct BmpHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t infoSize = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t coloursUsed = 0;
};

// The file and information headers. A file that is not a bitmap, or whose
// size or depth cannot be drawn, gets its message (naming the file) and no
// header.
std::optional<BmpHeader> ReadBmpHeader(std::span<const std::uint8_t> file, std::string_view name,
                                       std::ostream& out);

// Draws the image bottom row first; 0 when drawn, 1 after an error message.
int DrawBmp(DrawTarget target, std::span<const std::uint8_t> file, std::string_view name);

} // namespace k7r::view
