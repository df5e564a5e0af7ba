#pragma once

#include <cstdint>

namespace k7r::cfgui {

// A progress bar used as a horizontal slider: the value under the mouse at x
// within the client area [left, right], clamped to it, raised to the next
// multiple of a step greater than 1 but no higher than the range's top.
struct SliderGeometry {
    std::int32_t low;
    std::int32_t high;
    std::int32_t left;
    std::int32_t right;
};
std::int32_t SliderValue(const SliderGeometry& slider, std::int32_t x, std::uint32_t step);

} // namespace k7r::cfgui
