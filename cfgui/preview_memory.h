#pragma once

#include <string>

namespace k7r::cfgui {

// What the preview window shows. Each is a picture with status lines, drawn
// again whenever what it depends on changes.
enum class PreviewShowing {
    TestPattern, // the Direct tab's test pattern on the panel
    PictureFile, // a picture file on the panel, as the viewer shows it
};

// The zoom a first opening of the preview window shows the picture at.
inline constexpr unsigned kInitialZoom = 2;

// What the preview window keeps while the program runs, from one opening to
// the next.
struct PreviewMemory {
    // Where the window's top-left corner was when it closed; the first
    // opening places it beside the main window.
    bool placed = false;
    int left = 0;
    int top = 0;
    unsigned zoom = kInitialZoom;
    PreviewShowing showing = PreviewShowing::TestPattern;
    std::string picturePath;
    std::string savePath;
};

} // namespace k7r::cfgui
