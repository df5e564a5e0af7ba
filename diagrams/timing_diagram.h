#pragma once

#include "diagrams/picture.h"

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::diagrams {

// The panel timing as a data sheet draws it: one line period and one frame
// period with the FPLINE, FPFRAME and DRDY waveforms as the panel type
// drives them (DRDY is the MOD signal of an STN panel), each start
// position, pulse width, display period and total labelled in pixels or
// lines and in time, and the polarities as configured. Settings that the
// validation names are drawn marked, with its messages below. The
// configuration is read, not changed.
Picture TimingDiagram(config::WorkingConfig& config);

} // namespace k7r::diagrams
