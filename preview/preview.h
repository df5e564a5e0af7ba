#pragma once

#include "emu/panel_picture.h"

#include <string>
#include <vector>

namespace k7r::preview {

// What the panel shows for a configuration, and what the user needs to
// know about it.
struct Preview {
    emu::Picture picture;
    // The panel as mounted, its colour depth and SwivelView; the frame rate
    // and pixel clock of the emulated display.
    std::vector<std::string> status;
    // Why the panel shows nothing, or not the picture as configured; empty
    // when it does.
    std::vector<std::string> faults;
};

} // namespace k7r::preview
