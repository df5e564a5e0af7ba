#include "cfgui/menu_state.h"

#include "cfgui/application.h"
#include "cfgui/chip_text.h"

namespace k7r::cfgui {

MenuState CurrentMenuState(const Application& app) {
    return {
        .saveEnabled = !app.currentPath.empty(),
        .tooltipsEnabled = app.tooltips.enabled,
        .tooltipsAvailable = app.tooltips.available,
        .delayIndex = app.tooltips.delayIndex,
        .aboutText = FillChipId("&About %sCFG..."),
    };
}

} // namespace k7r::cfgui
