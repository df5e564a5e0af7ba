#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace k7r::cfgui {

struct TabInfo {
    std::string_view label;
    // "%s" stands for the chip's short identifier.
    std::string_view tooltip;
};

inline constexpr std::size_t kTabCount = 7;

// In tab order.
inline constexpr std::array<TabInfo, kTabCount> kTabs = {{
    {"General", "Configure physical operating characteristics."},
    {"Preferences", "Configure initial display settings."},
    {"Clocks", "Configure K7R%s input clocks."},
    {"Panel", "Configure LCD panel timings."},
    {"Panel Power", "Configure LCD panel power control."},
    {"Registers",
     "Configure K7R%s registers.\n__________________________________________________\n"
     "**IMPORTANT NOTE: Experts only! Use extreme caution when editing these registers. "
     "Also, manually entered values may be overridden if you manipulate options on another "
     "tab page."},
    {"Direct", "Direct access to physical chip using evaluation board."},
}};

} // namespace k7r::cfgui
