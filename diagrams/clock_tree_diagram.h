#pragma once

#include "diagrams/picture.h"

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::diagrams {

// The clocks as the clock computations derive them, left to right: CLKI
// and CLKI2 (with what the clock chip makes of them while it is on), BCLK
// from its source and divide, MCLK as BCLK divided, PCLK from its source and
// divide, the frame rate from PCLK and the totals, and the PWM clock from
// its source and divide. Settings that the validation names are drawn
// marked, with its messages below. The configuration is read, not changed.
Picture ClockTreeDiagram(config::WorkingConfig& config);

} // namespace k7r::diagrams
