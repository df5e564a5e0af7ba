#include "regs/clock_tree.h"

#include "hal/clock_synth.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <cstdio>
#include <optional>

namespace k7r::regs {
namespace {

constexpr std::uint32_t kDisplayMemoryBytes = 0x40000;
// PWMOUT repeats every 256 PWM clocks.
constexpr std::uint32_t kPwmPeriod = 256;

// The largest frequencies written in Hz and in KHz.
constexpr std::uint32_t kLargestInHz = 1000;
constexpr std::uint32_t kLargestInKhz = 100000;

// The synthesizer registers that take CLKI (0 to 2 alike) and CLKI2.
constexpr int kClkISynthRegister = 0;
constexpr int kClkI2SynthRegister = 3;

std::uint32_t BusClock(config::WorkingConfig& config) {
    switch (GetFieldValue(config, kIdBclkSource)) {
    case 0:
        return GetFieldValue(config, kIdClkI) / GetFieldValue(config, kIdBclkDivide);
    case 1:
        return GetFieldValue(config, kIdClkI2);
    default:
        return 0;
    }
}

std::uint32_t MemoryClock(config::WorkingConfig& config) {
    return BusClock(config) / GetFieldValue(config, kIdMclkDivide);
}

// Source 2 is named BCLK by the register and its value list, so BCLK it is.
std::uint32_t PwmClockSource(config::WorkingConfig& config) {
    switch (GetFieldValue(config, kIdPwmSource)) {
    case 0:
        return GetFieldValue(config, kIdClkI);
    case 1:
        return GetFieldValue(config, kIdClkI2);
    case 2:
        return BusClock(config);
    case 3:
        return GetFieldValue(config, kIdPixelClock);
    default:
        return 0;
    }
}

} // namespace

std::uint32_t PixelClockSourceHz(config::WorkingConfig& config) {
    switch (GetFieldValue(config, kIdPclkSource)) {
    case 0:
        return MemoryClock(config);
    case 1:
        return BusClock(config);
    case 2:
        return GetFieldValue(config, kIdClkI);
    case 3:
        return GetFieldValue(config, kIdClkI2);
    default:
        return 0;
    }
}

std::uint32_t GetBusClock(config::WorkingConfig& config, std::size_t) {
    return BusClock(config);
}

std::uint32_t GetMemoryClock(config::WorkingConfig& config, std::size_t) {
    return MemoryClock(config);
}

std::uint32_t GetPixelClock(config::WorkingConfig& config, std::size_t) {
    return PixelClockSourceHz(config) / GetFieldValue(config, kIdPclkDivide);
}

std::uint32_t GetPwmClock(config::WorkingConfig& config, std::size_t) {
    const std::uint32_t exponent = GetFieldValue(config, kIdPwmDivideRaw);
    return (PwmClockSource(config) >> exponent) / kPwmPeriod;
}

std::uint32_t GetAvailableMemory(config::WorkingConfig&, std::size_t) {
    return kDisplayMemoryBytes;
}

void IgnoreSet(config::WorkingConfig&, std::size_t, std::uint32_t) {}

std::uint32_t FrameRate(config::WorkingConfig& config) {
    const std::uint32_t pixelsPerFrame =
        GetFieldValue(config, kIdVertTotal) * GetFieldValue(config, kIdHorzTotal);
    return pixelsPerFrame == 0 ? 0 : GetFieldValue(config, kIdPixelClock) / pixelsPerFrame;
}

std::uint32_t StoreFrameRate(config::WorkingConfig& config) {
    const std::uint32_t rate = FrameRate(config);
    SetFieldValue(config, kIdFrameRate, rate);
    return rate;
}

std::uint32_t ActualInputClockHz(config::WorkingConfig& config, std::uint32_t id) {
    const std::uint32_t requested = GetFieldValue(config, id);
    if (GetFieldValue(config, kIdClockChip) == 0) {
        return requested;
    }
    const std::optional<hal::ClockEntry> entry =
        hal::SearchClockWord(id == kIdClkI ? kClkISynthRegister : kClkI2SynthRegister, requested);
    return entry ? entry->achievedHz : 0;
}

std::string FrequencyText(std::uint32_t hz) {
    char text[32];
    if (hz <= kLargestInHz) {
        std::snprintf(text, sizeof text, " %u Hz", hz);
    } else if (hz <= kLargestInKhz) {
        std::snprintf(text, sizeof text, " %u.%03u KHz", hz / 1000, hz % 1000);
    } else {
        std::snprintf(text, sizeof text, " %u.%03u MHz", hz / 1000000, hz / 1000 % 1000);
    }
    return text;
}

} // namespace k7r::regs
