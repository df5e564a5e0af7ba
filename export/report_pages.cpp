#include "export/report_pages.h"

#include "edit/rules/panel_features.h"
#include "regs/field_values.h"
#include "regs/panel_type.h"
#include "regs/setting_ids.h"

namespace k7r::exporter {
namespace {

using namespace regs;

std::vector<std::uint32_t> PanelSettings(config::WorkingConfig& config) {
    const std::uint32_t type = GetFieldValue(config, kIdPanelType);
    std::vector<std::uint32_t> ids = {kIdPanelType};
    for (const edit::Feature& feature : edit::Features()) {
        if (edit::ListedFor(feature, type)) {
            ids.push_back(feature.id);
        }
    }
    ids.push_back(kIdFrameRate);
    ids.push_back(kIdPixelClock);
    return ids;
}

std::vector<std::uint32_t> PanelPowerSettings(config::WorkingConfig& config) {
    const bool gpo = PanelUsesGpio(GetFieldValue(config, kIdPanelType));
    return {gpo ? kIdGpoPowerMask : kIdGpioPowerMask, kIdPowerOnTime, kIdPowerOffTime};
}

} // namespace

std::vector<ReportPage> ReportPages(config::WorkingConfig& config) {
    return {
        {"General", {kIdRegPhysAddr, kIdMemPhysAddr, kIdUsbEnable, kIdClockChip}},
        {"Preferences",
         {kIdBitsPerPixel, kIdSwivelView, kIdHorzDoubling, kIdVertDoubling, kIdDescription}},
        {"Clocks",
         {kIdClkI, kIdClkI2, kIdPclkSource, kIdAutoPclkDivide, kIdPclkDivideRaw, kIdPixelClock,
          kIdBclkSource, kIdBclkDivideList, kIdBusClock, kIdMclkDivideRaw, kIdMemoryClock,
          kIdPwmEnabled, kIdPwmHigh, kIdPwmSource, kIdPwmDivideRaw, kIdPwmClock, kIdDutyCycle}},
        {"Panel", PanelSettings(config)},
        {"Panel Power", PanelPowerSettings(config)},
    };
}

} // namespace k7r::exporter
