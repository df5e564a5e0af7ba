#include "regs/pixel_clocks.h"

#include "regs/clock_tree.h"

#include "config/working_config.h"
#include "hal/chip_registers.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <array>
#include <cstdio>

namespace k7r::regs {
namespace {

constexpr std::uint32_t kPclkSourceClkI2 = 3;
constexpr std::uint32_t kPwmSourceClkI2 = 1;

std::string ClockLine(std::uint32_t sourceKhz, std::uint32_t divide) {
    const std::uint32_t kHz = sourceKhz / divide;
    char line[64];
    std::snprintf(line, sizeof line, "%2d.%03d   (%2d.%03d/%d)", static_cast<int>(kHz / 1000),
                  static_cast<int>(kHz % 1000), static_cast<int>(sourceKhz / 1000),
                  static_cast<int>(sourceKhz % 1000), static_cast<int>(divide));
    return line;
}

// Looked up from the second line on, wrapping around to the first.
std::optional<std::size_t> FindLine(const PixelClockList& list, const std::string& prefix) {
    const std::size_t count = list.lines.size();
    for (std::size_t i = 1; i <= count; ++i) {
        const std::size_t line = i % count;
        if (list.lines[line].starts_with(prefix)) {
            return line;
        }
    }
    return std::nullopt;
}

// Makes CLKI2 the pixel clock itself: source CLKI2, divide 1, no automatic
// divides. A PWM clock running from CLKI2 keeps it unchanged.
bool SwitchClkI2To(config::WorkingConfig& config, std::uint32_t kHz) {
    if (GetFieldValue(config, kIdPwmSource) == kPwmSourceClkI2) {
        return false;
    }
    SetFieldValue(config, kIdClkI2, kHz * 1000);
    SetFieldValue(config, kIdPclkSource, kPclkSourceClkI2);
    SetFieldValue(config, kIdAutoPclkDivide, 0);
    SetFieldValue(config, kIdAutoMclkDivide, 0);
    SetFieldValue(config, kIdPclkDivideRaw, 0);
    return true;
}

} // namespace

PixelClockList ReachablePixelClocks(config::WorkingConfig& config) {
    const std::uint32_t sourceKhz = PixelClockSourceHz(config) / 1000;
    const std::uint32_t current = GetFieldValue(config, kIdPclkDivide);
    PixelClockList list{{}, 0};
    if (GetFieldValue(config, kIdAutoPclkDivide) != 0) {
        for (std::uint32_t raw = 0; raw < hal::reg::kPixelClockDivideChoices; ++raw) {
            const std::uint32_t divide = hal::reg::PixelClockDivide(raw);
            if (divide == current) {
                list.selected = list.lines.size();
            }
            list.lines.push_back(ClockLine(sourceKhz, divide));
        }
    } else {
        list.lines.push_back(ClockLine(sourceKhz, current));
    }
    return list;
}

std::string FormatPixelClockKhz(std::uint32_t kHz) {
    char text[32];
    std::snprintf(text, sizeof text, "%2d.%03d", static_cast<int>(kHz / 1000),
                  static_cast<int>(kHz % 1000));
    return text;
}

std::optional<std::size_t> MatchPixelClock(config::WorkingConfig& config, std::uint32_t kHz) {
    const std::string prefix = FormatPixelClockKhz(kHz);
    std::optional<std::size_t> line = FindLine(ReachablePixelClocks(config), prefix);
    if (!line && SwitchClkI2To(config, kHz)) {
        line = FindLine(ReachablePixelClocks(config), prefix);
    }
    // With automatic divides the list offers every divide, in raw order;
    // otherwise it holds only the current one, which stays.
    if (line && GetFieldValue(config, kIdAutoPclkDivide) != 0) {
        SetFieldValue(config, kIdPclkDivideRaw, static_cast<std::uint32_t>(*line));
    }
    return line;
}

} // namespace k7r::regs
