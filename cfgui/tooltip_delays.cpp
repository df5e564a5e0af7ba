#include "cfgui/tooltip_delays.h"

#include "cfgui/resource.h"

namespace k7r::cfgui {

const std::array<DelayItem, kDelayCount> kDelayItems = {{
    {IDM_DELAY_100MS, 100},
    {IDM_DELAY_250MS, 250},
    {IDM_DELAY_500MS, 500},
    {IDM_DELAY_1S, 1000},
    {IDM_DELAY_2S, 2000},
    {IDM_DELAY_5S, 5000},
}};

TooltipTimes TimesForDelay(std::size_t delayIndex) {
    const std::uint32_t delay = kDelayItems.at(delayIndex).milliseconds;
    return {delay, delay / 5, 30000};
}

std::size_t DelayIndexOfMenu(int menuId) {
    for (std::size_t index = 0; index < kDelayCount; ++index) {
        if (kDelayItems[index].menuId == menuId) {
            return index;
        }
    }
    return kDelayCount;
}

} // namespace k7r::cfgui
