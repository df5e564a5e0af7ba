#pragma once

#include "config/working_config.h"
#include "emu/board.h"
#include "hal/layer.h"
#include "preview/preview.h"

#include <string>

// The panel preview: what the panel would show for a configuration, with no
// board attached and no environment variable set. The preview keeps an
// emulated evaluation board of its own behind a chip access layer of its
// own; the bound board and the working configuration's Bound and Live state
// are never touched.
namespace k7r::preview {

class PreviewBoard {
  public:
    PreviewBoard();

    // Powers the board on afresh, brings it up from a copy of the working
    // configuration as the Direct tab does (clock chip, registers, lookup
    // table, clear), and draws the Direct tab's test pattern - or, given a
    // picture file, shows the picture as the viewer does when it carries
    // the same record. Then looks at the panel.
    Preview Show(const config::WorkingConfig& working, const std::string& picturePath = {});

  private:
    // Destroyed after the layer, which releases its mapping of the board.
    emu::EmulatedBoard board_;
    hal::Layer layer_;
};

// A board someone else brought up from the working configuration (the
// Direct tab's emulated board while it is live), looked at without any
// access that would change it.
Preview LookAtBoard(const emu::EmulatedBoard& board, const config::WorkingConfig& working);

} // namespace k7r::preview
