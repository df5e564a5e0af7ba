#pragma once

#include "config/working_config.h"
#include "emu/board.h"
#include "preview/preview.h"

// What the preview says about a brought-up board's display. The board is
// only looked at (Peek32), never accessed through its bus, so that looking
// changes nothing on it.
namespace k7r::preview {

// Adds the status lines (panel as mounted, depth, SwivelView, frame rate,
// pixel clock) and the faults that keep the display dark: an unknown
// colour depth, the display blanked, power save mode, no pixel clock, the
// panel's power pin off. `stored` is the configuration the board came up
// from, in stored mode: it names the power pin. The picture goes dark for
// the faults the emulator does not show by itself.
void DescribeDisplay(const emu::EmulatedBoard& board, config::WorkingConfig& stored,
                     Preview& preview);

// Adds the fault of a stride (Main Addr Offset) shorter than a line of the
// picture, whose lines then run into each other.
void CheckStride(config::WorkingConfig& stored, Preview& preview);

// The fault of a test pattern that did not fit the display buffer.
std::string BufferTooSmall(const emu::EmulatedBoard& board);

} // namespace k7r::preview
