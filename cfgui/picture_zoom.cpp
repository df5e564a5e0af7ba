#include "cfgui/picture_zoom.h"

#include <algorithm>

namespace k7r::cfgui {

unsigned ZoomFor(unsigned areaWidth, unsigned areaHeight, const emu::Picture& picture) {
    for (unsigned zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
        if (std::uint64_t{picture.width} * zoom <= areaWidth &&
            std::uint64_t{picture.height} * zoom <= areaHeight) {
            return zoom;
        }
    }
    return kMinZoom;
}

emu::Picture Zoomed(const emu::Picture& picture, unsigned zoom) {
    emu::Picture zoomed;
    zoomed.width = picture.width * zoom;
    zoomed.height = picture.height * zoom;
    zoomed.rgb.resize(std::size_t{zoomed.width} * zoomed.height * 3);
    std::uint8_t* out = zoomed.rgb.data();
    const std::size_t rowBytes = std::size_t{zoomed.width} * 3;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        const std::uint8_t* row = picture.rgb.data() + std::size_t{y} * picture.width * 3;
        std::uint8_t* first = out;
        for (std::uint32_t x = 0; x < picture.width; ++x, row += 3) {
            for (unsigned n = 0; n < zoom; ++n) {
                out = std::copy(row, row + 3, out);
            }
        }
        // The other lines of the zoomed row are copies of its first.
        for (unsigned n = 1; n < zoom; ++n) {
            out = std::copy(first, first + rowBytes, out);
        }
    }
    return zoomed;
}

} // namespace k7r::cfgui
