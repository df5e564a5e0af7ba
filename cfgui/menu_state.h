#pragma once

#include <cstddef>
#include <string>

namespace k7r::cfgui {

struct Application;

// How the menu looks each time it opens.
struct MenuState {
    // Save and Save As need a current file.
    bool saveEnabled;
    bool tooltipsEnabled;
    // Enable ToolTips can only be used while the tooltip control exists.
    bool tooltipsAvailable;
    // The marked ToolTip Delay item.
    std::size_t delayIndex;
    std::string aboutText;
};

MenuState CurrentMenuState(const Application& app);

} // namespace k7r::cfgui
