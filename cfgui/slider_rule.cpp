#include "cfgui/slider_rule.h"

#include <algorithm>

namespace k7r::cfgui {

std::int32_t SliderValue(const SliderGeometry& slider, std::int32_t x, std::uint32_t step) {
    if (slider.right <= slider.left) {
        return slider.low;
    }
    const std::int64_t clamped = std::clamp(x, slider.left, slider.right);
    std::int64_t value = slider.low + (std::int64_t{slider.high} - slider.low) *
                                          (clamped - slider.left) / (slider.right - slider.left);
    if (step > 1) {
        const std::int64_t over = value % step;
        if (over != 0) {
            value += over > 0 ? step - over : -over;
        }
    }
    // Rounding up to the step never leaves the bar's range.
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, slider.high));
}

} // namespace k7r::cfgui
