#include "regs/converted_fields.h"

#include "regs/panel_type.h"

#include "config/working_config.h"
#include "hal/chip_registers.h"
#include "regs/field_bits.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/register_access.h"
#include "regs/setting_ids.h"

#include <algorithm>

namespace k7r::regs {
namespace {

// Fields the user sees as (raw + add) * scale. A value below the minimum
// wraps around in the unsigned subtraction and is clamped to the field's
// maximum by the write.
struct LinearConversion {
    std::uint32_t id;
    std::uint32_t add;
    std::uint32_t scale;
};
constexpr LinearConversion kLinearConversions[] = {
    {29, 1, 1},  {71, 1, 1},  {72, 1, 1},  {73, 1, 1},  {74, 1, 1},  {77, 1, 1},
    {182, 1, 1}, {183, 1, 1}, {136, 0, 2}, {137, 0, 2}, {138, 0, 2}, {139, 0, 2},
    {140, 0, 2}, {141, 0, 2}, {142, 0, 2}, {181, 0, 2}, {151, 0, 8}, {152, 0, 8},
    {153, 0, 8}, {154, 0, 8}, {155, 0, 8}, {156, 0, 8}, {157, 0, 8}, {158, 0, 8},
    {159, 0, 8}, {160, 0, 8}, {161, 0, 8}, {162, 0, 8}, {67, 1, 8},  {68, 1, 8},
};

LinearConversion ConversionOf(std::size_t record) {
    const std::uint32_t id = kFieldTable[record].Id;
    for (const LinearConversion& conversion : kLinearConversions) {
        if (conversion.id == id) {
            return conversion;
        }
    }
    return {id, 0, 1};
}

std::uint32_t RawMax(std::size_t record) {
    return FieldMaxValue(kFieldTable[record].Mask);
}

bool IsStn(config::WorkingConfig& config) {
    return GetFieldValue(config, kIdPanelType) == kPanelStn;
}

// The pixels between the start of a line and the first displayed pixel that
// the chip adds by itself for each panel type.
std::uint32_t HorzStartBias(config::WorkingConfig& config) {
    const std::uint32_t type = GetFieldValue(config, kIdPanelType);
    if (type == kPanelStn) {
        return 22;
    }
    return (type == kPanelTft || type == kPanelHrTft) ? 5 : 0;
}

Window WindowOf(std::size_t record) {
    return kFieldTable[record].Id == kIdMainStart ? Window::Main : Window::Pip;
}

} // namespace

std::uint32_t GetLinear(config::WorkingConfig& config, std::size_t record) {
    const LinearConversion conversion = ConversionOf(record);
    return (ReadFieldBits(config, record) + conversion.add) * conversion.scale;
}

std::uint32_t MinLinear(config::WorkingConfig&, std::size_t record) {
    const LinearConversion conversion = ConversionOf(record);
    return conversion.add * conversion.scale;
}

std::uint32_t MaxLinear(config::WorkingConfig&, std::size_t record) {
    const LinearConversion conversion = ConversionOf(record);
    return (RawMax(record) + conversion.add) * conversion.scale;
}

void SetLinear(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    const LinearConversion conversion = ConversionOf(record);
    WriteFieldBits(config, record, value / conversion.scale - conversion.add);
}

// STN panels need at least 32 displayed pixels per line.
std::uint32_t MinHorzDisplay(config::WorkingConfig& config, std::size_t) {
    return IsStn(config) ? 32 : 8;
}

std::uint32_t GetHorzStart(config::WorkingConfig& config, std::size_t record) {
    return ReadFieldBits(config, record) + HorzStartBias(config);
}

std::uint32_t MinHorzStart(config::WorkingConfig& config, std::size_t) {
    return HorzStartBias(config);
}

std::uint32_t MaxHorzStart(config::WorkingConfig& config, std::size_t record) {
    return RawMax(record) + HorzStartBias(config);
}

void SetHorzStart(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    WriteFieldBits(config, record, value - HorzStartBias(config));
}

std::uint32_t GetDisplayBufferSize(config::WorkingConfig& config, std::size_t record) {
    return ReadFieldBits(config, record) * 4096;
}

std::uint32_t GetPclkDivide(config::WorkingConfig& config, std::size_t record) {
    return hal::reg::PixelClockDivide(ReadFieldBits(config, record));
}

// A divide the field does not offer selects 1:1.
void SetPclkDivide(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    std::uint32_t raw = 0;
    for (std::uint32_t choice = 0; choice < hal::reg::kPixelClockDivideChoices; ++choice) {
        if (hal::reg::PixelClockDivide(choice) == value) {
            raw = choice;
        }
    }
    WriteFieldBits(config, record, raw);
}

std::uint32_t GetDataWidth(config::WorkingConfig& config, std::size_t) {
    static constexpr std::uint32_t kStnWidths[] = {4, 8, 16};
    static constexpr std::uint32_t kTftWidths[] = {9, 12, 18};
    const std::uint32_t raw = std::min<std::uint32_t>(GetFieldValue(config, kIdDataWidthRaw), 2);
    return IsStn(config) ? kStnWidths[raw] : kTftWidths[raw];
}

void SetDataWidth(config::WorkingConfig& config, std::size_t, std::uint32_t value) {
    std::uint32_t raw = 2;
    if (value == 4 || value == 9) {
        raw = 0;
    } else if (value == 8 || value == 12) {
        raw = 1;
    }
    SetFieldValue(config, kIdDataWidthRaw, raw);
}

std::uint32_t GetSwivelView(config::WorkingConfig& config, std::size_t) {
    return GetFieldValue(config, kIdSwivelViewRaw) * 90;
}

void SetSwivelView(config::WorkingConfig& config, std::size_t, std::uint32_t value) {
    const bool quarterTurn = value == 90 || value == 180 || value == 270;
    SetFieldValue(config, kIdSwivelViewRaw, quarterTurn ? value / 90 : 0);
}

std::uint32_t GetPwmDivide(config::WorkingConfig& config, std::size_t record) {
    return std::uint32_t{1} << ReadFieldBits(config, record);
}

void SetPwmDivide(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    const std::uint32_t max = std::min<std::uint32_t>(GetFieldMax(config, kIdPwmDivideRaw), 31);
    std::uint32_t exponent = 0;
    while (exponent < max && (std::uint64_t{1} << (exponent + 1)) <= value) {
        ++exponent;
    }
    WriteFieldBits(config, record, exponent);
}

// The register holds the address of the rotated image's origin; the user
// sees the address of the image's first byte.
std::uint32_t GetStartAddress(config::WorkingConfig& config, std::size_t record) {
    const std::uint32_t bytes = ReadFieldBits(config, record) * 4;
    const auto shown = static_cast<std::int32_t>(bytes - SwivelOffset(config, WindowOf(record)));
    return static_cast<std::uint32_t>(std::max(shown, 0));
}

std::uint32_t MaxMainStart(config::WorkingConfig&, std::size_t record) {
    return RawMax(record) * 4 - 4;
}

// An offset too large for the field is clamped to its maximum, which
// validation reports as an overflowed SwivelView calculation.
void SetStartAddress(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    const std::uint32_t raw = (SwivelOffset(config, WindowOf(record)) + value) / 4;
    WriteFieldBits(config, record, std::min(raw, RawMax(record)));
}

std::uint32_t GetLineOffset(config::WorkingConfig& config, std::size_t record) {
    return ReadFieldBits(config, record) * 4;
}

std::uint32_t MaxLineOffset(config::WorkingConfig&, std::size_t record) {
    return RawMax(record) * 4;
}

void SetLineOffset(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    WriteFieldBits(config, record, static_cast<std::uint32_t>((std::uint64_t{value} + 3) / 4));
}

} // namespace k7r::regs
