
#include "regs/panel_type.h"

#include "config/working_config.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_access.h"
#include "regs/setting_ids.h"

#include <algorithm>

namespace k7r::regs {
namespace {

// Raw values of the basic panel type field (44).
constexpr std::uint32_t kBasicReserved = 2;
constexpr std::uint32_t kBasicHrTft = 3;

bool IsBasicHrTft(std::uint32_t raw) {
    return raw == kBasicReserved || raw == kBasicHrTft;
}

void SetHrTftInUse(config::WorkingConfig& config, bool inUse) {
    HAL_STRUCT& record = config.Record;
    record.Flags = inUse ? (record.Flags | fHRTFT_INUSE) : (record.Flags & ~fHRTFT_INUSE);
}

} // namespace

bool PanelUsesGpio(std::uint32_t panelType) {
    return panelType == kPanelStn || (panelType >= kPanelHrTft && panelType <= 6);
}

std::uint32_t GetCompositePanelType(config::WorkingConfig& config, std::size_t) {
    const std::uint32_t extended = GetFieldValue(config, kIdExtPanelType);
    if (extended != 0) {
        return extended + kPanelExtendedBase;
    }
    return std::min(GetFieldValue(config, kIdBasicPanelType), kPanelHrTft);
}

void SetCompositePanelType(config::WorkingConfig& config, std::size_t, std::uint32_t value) {
    if (value > kPanelExtendedBase) {
        SetFieldValue(config, kIdExtPanelType, value - kPanelExtendedBase);
        return;
    }
    SetFieldValue(config, kIdBasicPanelType, value == kPanelHrTft ? kBasicHrTft : value);
    SetFieldValue(config, kIdExtPanelType, 0);
}

void SetBasicPanelType(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    WriteFieldBits(config, record, value);
    SetHrTftInUse(config, IsBasicHrTft(ReadFieldBits(config, record)));
    RecomputeGpio(config);
    RecomputeGpoPower(config);
}

// An extended type replaces the basic one, whose HR-TFT interface then no
// longer holds the clock chip's pins; with no extended type the basic type
// decides again.
void SetExtendedPanelType(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    WriteFieldBits(config, record, value);
    const bool extended = ReadFieldBits(config, record) != 0;
    SetHrTftInUse(config,
                  !extended && IsBasicHrTft(ReadFieldBits(config, FindField(kIdBasicPanelType))));
    RecomputeGpio(config);
    RecomputeGpoPower(config);
}

void RecomputeGpio(config::WorkingConfig& config) {
    const bool usesGpio = PanelUsesGpio(GetFieldValue(config, kIdPanelType));
    const bool clockChip = GetFieldValue(config, kIdClockChip) != 0;
    const bool usb = GetFieldValue(config, kIdUsbEnable) != 0;
    const std::uint32_t powerMask = GetFieldValue(config, kIdGpioPowerMask);

    std::uint32_t inputEnable = (!usesGpio && clockChip) ? 0x08 : 0;
    if (usb) {
        inputEnable |= 0x20;
    }
    WriteFieldAllEntries(config, FindField(kIdGpioInputEnable), inputEnable, inputEnable);

    std::uint32_t gpioConfig = usesGpio ? 0x0F : ((clockChip ? 6 : 0) | powerMask);
    if (usb) {
        gpioConfig |= 0xD0;
    }
    WriteFieldAllEntries(config, FindField(kIdGpioConfig), gpioConfig, gpioConfig);

    WriteFieldAllEntries(config, FindField(kIdGpioStatus), 0, usesGpio ? 0 : powerMask);
}

void RecomputeGpoPower(config::WorkingConfig& config) {
    if (!PanelUsesGpio(GetFieldValue(config, kIdPanelType))) {
        return;
    }
    std::uint32_t control = GetFieldValue(config, kIdGpoControl);
    if (config.Record.GpoPowerMask != 0) {
        control |= config.Record.GpoPowerMask;
    }
    WriteFieldAllEntries(config, FindField(kIdGpoControl), 0, control);
}

} // namespace k7r::regs
