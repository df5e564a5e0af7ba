#include "cfgui/power_pins.h"

#include "regs/panel_power.h"
#include "regs/setting_ids.h"
#include "regs/settings_engine.h"

namespace k7r::cfgui {

bool PowerUsesGpoPin(WorkingConfig& config) {
    return PanelUsesGpio(GetFieldValue(config, kIdPanelType));
}

} // namespace k7r::cfgui
