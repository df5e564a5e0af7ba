#include "hal/layer_state.h"

namespace k7r::hal {

LayerState& State() {
    static LayerState state;
    return state;
}

} // namespace k7r::hal
