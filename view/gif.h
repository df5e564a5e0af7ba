#pragma once

#include "view/draw_target.h"
#include "view/image_file.h"

#include <cstdint>
#include <span>

namespace k7r::view {

// Width, height and depth of a GIF87a file's logical screen; a GIF89a file
// gives no information (all 0).
ImageInfo ReadGifInfo(std::span<const std::uint8_t> file);

// Draws every image of the file one below the other from the target's
// corner, through the global or the image's own colour table. 0 when drawn,
// 1 after an error message.
int DrawGif(DrawTarget target, std::span<const std::uint8_t> file);

} // namespace k7r::view
