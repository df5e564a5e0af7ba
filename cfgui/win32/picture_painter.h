#pragma once

#include "diagrams/picture.h"

#include <windows.h>

namespace k7r::cfgui::win32 {

// Paints a picture with its top-left corner at the device context's origin,
// as the SVG renderer draws it: the shapes with pens and brushes of their
// inks, then each label on paper in a fixed-pitch font whose characters are
// placed diagrams::kCharAdvance apart, so that every label keeps the box the
// picture laid it out in. Drawn off screen first, so that a picture drawn
// again does not flicker.
void PaintPicture(HDC dc, const diagrams::Picture& picture);

} // namespace k7r::cfgui::win32
