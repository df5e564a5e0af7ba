#include "regs/record_settings.h"

#include "regs/panel_type.h"

#include "config/working_config.h"
#include "regs/chip_port.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_access.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <cstring>

namespace k7r::regs {
namespace {

// The settings kept as the inverse of a flag ("Automatic ..." on = fixed off).
struct FlagSetting {
    std::uint32_t id;
    std::uint32_t flag;
};
constexpr FlagSetting kInvertedFlags[] = {
    {kIdAutoMclkDivide, fFIXED_DIVMCLK}, {kIdAutoPclkDivide, fFIXED_DIVPCLK},
    {kIdClockChip, fNO_CLOCK_CHIP},      {kIdUsbEnable, fNO_USB_SUPPORT},
    {kIdAutoStride, fFIXED_STRIDE},
};

std::uint32_t InvertedFlag(std::uint32_t id) {
    for (const FlagSetting& setting : kInvertedFlags) {
        if (setting.id == id) {
            return setting.flag;
        }
    }
    return 0;
}

void SetFlag(HAL_STRUCT& record, std::uint32_t flag, bool on) {
    record.Flags = on ? (record.Flags | flag) : (record.Flags & ~flag);
}

// The 16-bit header fields keep the largest value they can hold rather than
// the low bits of a larger one.
HAL_U16 Clamp16(std::uint32_t value) {
    return static_cast<HAL_U16>(std::min<std::uint32_t>(value, 0xFFFF));
}

// A new power pin on GPO: the old pin must no longer be switched on after
// the power-on delay.
void ReleaseOldGpoPin(config::WorkingConfig& config, std::uint32_t newMask) {
    const std::uint32_t oldMask = config.Record.GpoPowerMask;
    if (oldMask != 0 && (oldMask & newMask) == 0) {
        const std::uint32_t control = GetFieldValue(config, kIdGpoControl);
        WriteFieldAllEntries(config, FindField(kIdGpoControl), 0, control & ~oldMask);
    }
}

void StoreRecordSetting(config::WorkingConfig& config, std::uint32_t id, std::uint32_t value) {
    HAL_STRUCT& record = config.Record;
    switch (id) {
    case kIdClkI:
        record.ClkI = value;
        break;
    case kIdClkI2:
        record.ClkI2 = value;
        break;
    case kIdRegPhysAddr:
        record.RegPhysAddr = value;
        break;
    case kIdMemPhysAddr:
        record.MemPhysAddr = value;
        break;
    case kIdPowerOffTime:
        record.PowerOffTime = Clamp16(value);
        break;
    case kIdPowerOnTime:
        record.PowerOnTime = Clamp16(value);
        WriteRegister(config, riDELAYON, record.PowerOnTime, -1);
        break;
    case kIdGpioPowerMask:
        record.GpioPowerMask = Clamp16(value);
        RecomputeGpio(config);
        break;
    case kIdGpoPowerMask:
        ReleaseOldGpoPin(config, value);
        record.GpoPowerMask = Clamp16(value);
        RecomputeGpoPower(config);
        break;
    case kIdFrameRate:
        record.FrameRate = Clamp16(value);
        break;
    case kIdRequiredVram:
        record.RequiredVram = value;
        break;
    case kIdBclkDivide:
        SetFlag(record, fBCLK_DIVIDEBY2, value != 1);
        break;
    case kIdBclkDivideList:
        SetFlag(record, fBCLK_DIVIDEBY2, value != 0);
        break;
    case kIdAutoMclkDivide:
    case kIdAutoPclkDivide:
    case kIdAutoStride:
        SetFlag(record, InvertedFlag(id), value == 0);
        break;
    case kIdClockChip:
    case kIdUsbEnable:
        SetFlag(record, InvertedFlag(id), value == 0);
        RecomputeGpio(config);
        break;
    default: // the description is set as text, never as a number
        break;
    }
}

// A live chip runs on the clocks the record asks for: a changed input clock
// is programmed into the synthesizer at once.
void ReprogramChangedClocks(config::WorkingConfig& config, std::uint32_t oldClkI,
                            std::uint32_t oldClkI2) {
    const HAL_STRUCT& after = config.Record;
    const bool clkIChanged = oldClkI != 0 && oldClkI != after.ClkI;
    const bool clkI2Changed = oldClkI2 != 0 && oldClkI2 != after.ClkI2;
    if (clkIChanged || clkI2Changed) {
        ChipReprogramClocks(after, clkIChanged ? after.ClkI : 0, clkI2Changed ? after.ClkI2 : 0);
    }
}

} // namespace

std::uint32_t GetRecordSetting(config::WorkingConfig& config, std::size_t record) {
    const HAL_STRUCT& hal = config.Record;
    const std::uint32_t id = kFieldTable[record].Id;
    switch (id) {
    case kIdDescription:
        return static_cast<std::uint32_t>(strnlen(hal.Description, HAL_DESCRIPTION_SIZE));
    case kIdClkI:
        return hal.ClkI;
    case kIdClkI2:
        return hal.ClkI2;
    case kIdRegPhysAddr:
        return hal.RegPhysAddr;
    case kIdMemPhysAddr:
        return hal.MemPhysAddr;
    case kIdPowerOffTime:
        return hal.PowerOffTime;
    case kIdPowerOnTime:
        return hal.PowerOnTime;
    case kIdGpioPowerMask:
        return hal.GpioPowerMask;
    case kIdGpoPowerMask:
        return hal.GpoPowerMask;
    case kIdFrameRate:
        return hal.FrameRate;
    case kIdRequiredVram:
        return hal.RequiredVram;
    case kIdBclkDivide:
        return (hal.Flags & fBCLK_DIVIDEBY2) ? 2 : 1;
    case kIdBclkDivideList:
        return (hal.Flags & fBCLK_DIVIDEBY2) ? 1 : 0;
    default: {
        const std::uint32_t flag = InvertedFlag(id);
        return flag != 0 && (hal.Flags & flag) == 0 ? 1 : 0;
    }
    }
}

void SetRecordSetting(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    const std::uint32_t oldClkI = config.Record.ClkI;
    const std::uint32_t oldClkI2 = config.Record.ClkI2;
    StoreRecordSetting(config, kFieldTable[record].Id, value);
    if (config.Live) {
        ReprogramChangedClocks(config, oldClkI, oldClkI2);
    }
}

std::uint32_t MaxDescription(config::WorkingConfig&, std::size_t) {
    return HAL_DESCRIPTION_SIZE;
}

} // namespace k7r::regs
