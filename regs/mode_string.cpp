
#include "regs/mode_string.h"

#include "regs/field_values.h"
#include "regs/panel_type.h"
#include "regs/setting_ids.h"

#include <cstdio>

namespace k7r::regs {

std::string FormatModeString(config::WorkingConfig& config) {
    std::uint32_t width = GetFieldValue(config, kIdHorzDisplay);
    std::uint32_t height = GetFieldValue(config, kIdVertDisplay);
    const std::uint32_t panelType = GetFieldValue(config, kIdPanelType);
    // A 'Direct' HR-TFT panel has one of two fixed sizes.
    if (panelType == kPanelHrTft) {
        const bool qvga = GetFieldValue(config, kIdHrTftResolution) == 1;
        width = qvga ? 320 : 160;
        height = qvga ? 240 : 160;
    }
    const bool color = GetFieldValue(config, kIdColorPanel) != 0;
    std::string suffix;
    if (panelType == kPanelStn && color && GetFieldValue(config, kIdDataWidthRaw) == 1) {
        suffix = ", " + FormatFieldValue(config, kIdDataFormat);
    }
    const std::uint32_t pixelKhz = GetFieldValue(config, kIdPixelClock) / 1000;
    const std::string colorText = FormatFieldValue(config, kIdColorPanel);
    const std::string widthText = FormatFieldValue(config, kIdDataWidthRaw);
    const std::string typeText = FormatFieldValue(config, kIdPanelType);
    char text[256];
    std::snprintf(text, sizeof text, "%ux%ux%ubpp %uHz %s %s %s%s (PCLK=%u.%03uMHz)", width, height,
                  GetFieldValue(config, kIdBitsPerPixel), GetFieldValue(config, kIdFrameRate),
                  colorText.c_str(), widthText.c_str(), typeText.c_str(), suffix.c_str(),
                  pixelKhz / 1000, pixelKhz % 1000);
    return text;
}

} // namespace k7r::regs
