#pragma once

#include "config/working_config.h"

// The Direct tab's test pattern: a picture that shows the colour depth, the
// SwivelView and the panel's edges, drawn into display memory through the
// chip access layer. The utility's page, its timer and the command line
// draw it with the same code.
namespace k7r::edit {

enum class PatternDrawn {
    None, // not bound, or not forced
    Whole,
    // A store would have reached past the display buffer.
    StoppedAtBufferEnd,
};

// Only for a chip bound to the configuration, and only when forced. The
// picture's size, depth, stride, SwivelView, start address and the display
// buffer are taken from the chip's registers; the buffer is cleared, the
// lookup table of the depth loaded (1, 2, 4 and 8 bpp) and the pattern
// drawn: a white frame, bands of colour, and an inverted run at the top
// centre of lines 1 to 9 that shows where the picture's top is. Drawing
// stops at the first store that would reach past the display buffer.
PatternDrawn DrawTestPattern(config::WorkingConfig& config, bool force);

// One tick of the timer that runs while the configuration is live: a
// pending redraw is counted down and, when it runs out, the pattern drawn
// (when the redraw option is on); then the board learns that the panel may
// show the live edits of the last tick.
void LiveTimerTick(config::WorkingConfig& config);

} // namespace k7r::edit
