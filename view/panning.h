#pragma once

#include "view/display.h"
#include "view/show_image.h"

#include <functional>
#include <optional>
#include <ostream>

namespace k7r::view {

// One key code from the console, or nothing when input has ended.
using KeyReader = std::function<std::optional<int>()>;

// Prints the key help and pans the panel over the virtual display in steps
// of 8 pixels with the numeric keys until Esc, or until input ends.
void PanImage(Display& display, const PanArea& area, std::ostream& out, const KeyReader& readKey);

} // namespace k7r::view
