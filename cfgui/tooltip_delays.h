#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace k7r::cfgui {

// The Help menu's ToolTip Delay items, in menu order.
struct DelayItem {
    int menuId;
    std::uint32_t milliseconds;
};
inline constexpr std::size_t kDelayCount = 6;
extern const std::array<DelayItem, kDelayCount> kDelayItems;
// 250 ms until the user picks another.
inline constexpr std::size_t kInitialDelayIndex = 1;

struct TooltipTimes {
    std::uint32_t initial;
    std::uint32_t reshow;
    std::uint32_t visible;
};
TooltipTimes TimesForDelay(std::size_t delayIndex);

// Widest tip in pixels; the diagnostics pane's may be twice as wide, for its
// long messages.
inline constexpr int kTipWidth = 300;
inline constexpr int kPaneTipWidth = 600;

// The index of a delay item's menu id; kDelayCount for other ids.
std::size_t DelayIndexOfMenu(int menuId);

} // namespace k7r::cfgui
