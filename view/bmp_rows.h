#pragma once

#include "view/bmp.h"
#include "view/byte_reader.h"
#include "view/convert_row.h"

#include <string_view>

namespace k7r::view {

// What both row decoders of a bitmap share: the pixel data, where and how
// to draw, and the converter to the panel's format.
struct BmpRows {
    DrawTarget target;
    const BmpHeader& header;
    std::string_view name;
    ByteReader data;
    RowConverter& converter;
    std::uint32_t panelBpp;
    std::uint32_t pitch;         // display line in pixels
    std::uint32_t virtualHeight; // lines
};

int DrawUncompressedRows(BmpRows& rows);

} // namespace k7r::view
