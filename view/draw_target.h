#pragma once

#include "view/display.h"

#include <cstdint>
#include <ostream>

namespace k7r::view {

// Where a decoder draws: the display, the top-left corner of the image on
// it, and the console for its messages.
struct DrawTarget {
    Display& display;
    std::ostream& out;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
};

} // namespace k7r::view
