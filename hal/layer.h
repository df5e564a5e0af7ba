#pragma once

// The chip access layer's state as objects the program holds. The layer's
// functions (access.h, init_sequence.h, clock_synth.h, lookup_tables.h,
// error_text.h, program_info.h) act on one layer at a time: the bound layer,
// the program's hold on its evaluation board, unless a LayerInUse scope
// hands them another. So a second board (the preview's emulated one) comes
// up through the very sequence the bound board does, without touching the
// bound board's record, mapping, error or clock state.

#include "hal/driver_select.h"

#include <memory>

namespace k7r::hal {

struct LayerState;

// One hold on a board: the record it reads, the board driver and its
// mapping, the last error, the clock state since the last acquire and the
// lookup table loaded last. It starts with an unconfigured record of its
// own and releases its mapping when destroyed.
class Layer {
  public:
    explicit Layer(BoardDriverOpener opener = OpenSystemBoardDriver);
    ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    LayerState& State() { return *state_; }

  private:
    std::unique_ptr<LayerState> state_;
};

// The program's hold on the evaluation board. It lives until the process
// ends; the first acquire of any layer registers its release at exit.
Layer& BoundLayer();

// While it lives the layer's functions act on `layer`; then again on the
// layer they acted on before. One thread: nothing else may reach the layer
// meanwhile.
class LayerInUse {
  public:
    explicit LayerInUse(Layer& layer);
    ~LayerInUse();
    LayerInUse(const LayerInUse&) = delete;
    LayerInUse& operator=(const LayerInUse&) = delete;

  private:
    Layer* previous_;
};

} // namespace k7r::hal
