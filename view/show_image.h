#pragma once

#include "view/display.h"
#include "view/options.h"

#include <cstdint>
#include <ostream>

namespace k7r::view {

// The virtual display the image was drawn on, for panning.
struct PanArea {
    std::uint32_t virtualWidth = 0;
    std::uint32_t virtualHeight = 0;
    std::uint32_t panelWidth = 0;
    std::uint32_t panelHeight = 0;
};

struct ShownImage {
    int status = 0; // non-zero: the viewer ends with it
    PanArea area;
};

// Sets up the virtual display for the image, centres it on the panel and
// draws it through its decoder, with the viewer's messages.
ShownImage ShowImage(Display& display, const std::string& path, std::ostream& out);

} // namespace k7r::view
