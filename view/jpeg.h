#pragma once

#include "view/draw_target.h"
#include "view/image_file.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace k7r::view {

// JPEG goes through libjpeg with its standard error manager: a damaged file
// gets the library's message on standard error and ends the program with
// status 1.

// Output size, and 24 bits for colour output, 8 otherwise. A file that
// cannot be opened gets its message and all 0.
ImageInfo ReadJpegInfo(const std::string& path, std::ostream& out);

// Draws the image at the target's corner: quantized to the lookup table on
// 4- and 8-bit panels, RGB565 on 16-bit panels; greyscale through a grey
// ramp on 8-bit panels. 0 when drawn, 1 after an error message.
int DrawJpeg(DrawTarget target, const std::string& path, std::uint32_t imageBits,
             std::uint32_t panelBpp);

} // namespace k7r::view
