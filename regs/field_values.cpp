#include "regs/field_values.h"

#include "regs/register_access.h"

#include "config/working_config.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace k7r::regs {
namespace {

constexpr std::size_t kDescriptionMaxLength = HAL_DESCRIPTION_SIZE - 1;

std::string DescriptionOf(const HAL_STRUCT& record) {
    return std::string(record.Description, strnlen(record.Description, HAL_DESCRIPTION_SIZE));
}

// Hex values show whole bytes of the field: 2 digits per started byte.
int HexDigits(std::uint32_t mask) {
    if (mask == 0) {
        return 8;
    }
    const BitRange range = FieldBitRange(mask);
    return 2 * ((range.Hi - range.Lo + 8) / 8);
}

} // namespace

std::uint32_t GetRecordValue(config::WorkingConfig& config, std::size_t record) {
    const FIELD_DESC& field = kFieldTable[record];
    return field.Get ? field.Get(config, record) : ReadFieldBits(config, record);
}

std::string FormatRecordValue(config::WorkingConfig& config, std::size_t record) {
    const FIELD_DESC& field = kFieldTable[record];
    if (field.Id == 1) {
        return DescriptionOf(config.Record);
    }
    const std::uint32_t value = GetRecordValue(config, record);
    if ((field.Attributes & ffLIST) && field.ListText) {
        return field.ListText(config, record, value).value_or("<ERROR>");
    }
    char text[16];
    if (field.Attributes & ffHEX) {
        std::snprintf(text, sizeof text, "%0*X", HexDigits(field.Mask), value);
    } else {
        std::snprintf(text, sizeof text, "%u", value);
    }
    return text;
}

std::uint32_t GetFieldValue(config::WorkingConfig& config, std::uint32_t id) {
    const std::size_t record = FindField(id);
    return record < kFieldCount ? GetRecordValue(config, record) : 0;
}

bool SetFieldValue(config::WorkingConfig& config, std::uint32_t id, std::uint32_t value) {
    const std::size_t record = FindField(id);
    if (record == kFieldCount) {
        return false;
    }
    const FIELD_DESC& field = kFieldTable[record];
    const std::uint32_t old = GetRecordValue(config, record);
    if (field.Set) {
        field.Set(config, record, value);
    } else {
        WriteFieldBits(config, record, value);
    }
    // The request, not what clamping or conversion made of it, decides.
    const bool changed = value != old;
    if (changed && config.Live && config.AutoRedraw && (field.Attributes & ffMODE)) {
        config.RedrawCountdown = 1;
    }
    return changed;
}

std::uint32_t GetFieldMin(config::WorkingConfig& config, std::uint32_t id) {
    const std::size_t record = FindField(id);
    if (record == kFieldCount || !kFieldTable[record].Min) {
        return 0;
    }
    return kFieldTable[record].Min(config, record);
}

std::uint32_t GetFieldMax(config::WorkingConfig& config, std::uint32_t id) {
    const std::size_t record = FindField(id);
    if (record == kFieldCount) {
        return 0;
    }
    const FIELD_DESC& field = kFieldTable[record];
    if (field.Max) {
        return field.Max(config, record);
    }
    return (field.Attributes & ffREGISTER) ? FieldMaxValue(field.Mask) : 0;
}

std::optional<std::string> GetFieldListText(config::WorkingConfig& config, std::uint32_t id,
                                            std::uint32_t item) {
    const std::size_t record = FindField(id);
    if (record == kFieldCount || !kFieldTable[record].ListText) {
        return std::nullopt;
    }
    return kFieldTable[record].ListText(config, record, item);
}

std::string FormatFieldValue(config::WorkingConfig& config, std::uint32_t id) {
    const std::size_t record = FindField(id);
    return record < kFieldCount ? FormatRecordValue(config, record) : std::string();
}

std::size_t SetDescriptionText(config::WorkingConfig& config, std::uint32_t id,
                               std::string_view text) {
    if (id != 1) {
        return 0;
    }
    // The record keeps a NUL-terminated text; anything after an embedded NUL
    // could not be read back.
    text = text.substr(0, std::min(text.find('\0'), kDescriptionMaxLength));
    char* description = config.Record.Description;
    std::memset(description, 0, HAL_DESCRIPTION_SIZE);
    std::memcpy(description, text.data(), text.size());
    return text.size();
}

} // namespace k7r::regs
