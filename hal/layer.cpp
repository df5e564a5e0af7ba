#include "hal/layer.h"

#include "hal/access.h"
#include "hal/layer_state.h"

#include <utility>

namespace k7r::hal {
namespace {

Layer* layerInUse = nullptr;

} // namespace

Layer::Layer(BoardDriverOpener opener) : state_(std::make_unique<LayerState>()) {
    state_->opener = std::move(opener);
}

Layer::~Layer() {
    LayerInUse self(*this);
    ReleaseChip();
}

// Never destroyed, so that the release registered to run at exit still
// finds it.
Layer& BoundLayer() {
    static Layer* bound = new Layer();
    return *bound;
}

LayerInUse::LayerInUse(Layer& layer) : previous_(std::exchange(layerInUse, &layer)) {}

LayerInUse::~LayerInUse() {
    layerInUse = previous_;
}

LayerState& State() {
    return (layerInUse != nullptr ? *layerInUse : BoundLayer()).State();
}

} // namespace k7r::hal
