#pragma once

#include "emu/panel_picture.h"

// The preview window's picture at an integer zoom, so that every panel
// pixel stays one sharp square.
namespace k7r::cfgui {

inline constexpr unsigned kMinZoom = 1;
inline constexpr unsigned kMaxZoom = 4;

// The largest zoom from 1 to 4 at which the picture fits the area; 1 when
// not even that fits (the picture is then cut at the right and bottom).
unsigned ZoomFor(unsigned areaWidth, unsigned areaHeight, const emu::Picture& picture);

// Each pixel repeated zoom times across and down (nearest neighbour).
emu::Picture Zoomed(const emu::Picture& picture, unsigned zoom);

} // namespace k7r::cfgui
