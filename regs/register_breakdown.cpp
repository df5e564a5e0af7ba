#include "regs/register_breakdown.h"

#include "regs/field_values.h"

#include "config/working_config.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/register_table.h"

#include <cstdio>

namespace k7r::regs {
namespace {

bool SameBits(const FIELD_DESC& a, const FIELD_DESC& b) {
    return a.Register == b.Register && a.Mask == b.Mask;
}

// Of the two records of a converted pair the raw one, with its value list,
// describes the register bits.
bool GivesWayToRawTwin(std::size_t record) {
    const FIELD_DESC& field = kFieldTable[record];
    if (!field.Get) {
        return false;
    }
    return (record + 1 < kFieldCount && SameBits(field, kFieldTable[record + 1])) ||
           (record > 0 && SameBits(field, kFieldTable[record - 1]));
}

bool IsShownInBreakdown(std::size_t record, std::uint32_t reg) {
    const FIELD_DESC& field = kFieldTable[record];
    return (field.Attributes & ffREGISTER) && !(field.Attributes & ffRESERVED) &&
           field.Register == reg && !GivesWayToRawTwin(record);
}

std::string FieldLine(config::WorkingConfig& config, std::size_t record, int hintPosition) {
    const FIELD_DESC& field = kFieldTable[record];
    const BitRange range = FieldBitRange(field.Mask);
    char bits[32];
    if (range.Hi == range.Lo) {
        std::snprintf(bits, sizeof bits, "\n  [Bit%d]  ", range.Lo);
    } else {
        std::snprintf(bits, sizeof bits, "\n  [Bits%d:%d]  ", range.Hi, range.Lo);
    }
    std::string line = bits;
    line += FormatFieldName(field.Id, kShortForms | kShowName | kShowAttributes);
    line += " = ";
    // A register listed twice is shown with the value of this very entry.
    config.PositionHint = hintPosition;
    line += FormatRecordValue(config, record);
    line += (field.Attributes & ffHEX) ? "h " : " ";
    if (!field.Units.empty()) {
        line += field.Units;
        line += ' ';
    }
    return line;
}

} // namespace

std::string RegisterBreakdown(config::WorkingConfig& config, int position) {
    std::uint32_t reg = 0;
    if (config.Live) {
        if (position < 0 || position >= static_cast<int>(kRealRegisterCount)) {
            return {};
        }
        reg = kRegisterTable[position].Offset;
    } else {
        if (position < 0 || position >= config.EntryCount || position >= HAL_MAX_REGS) {
            return {};
        }
        const RegEntry& entry = config.Record.Regs[position];
        reg = entry.Index;
        if (reg == riDELAYON || reg == riDELAYOFF) {
            char text[96];
            std::snprintf(text, sizeof text,
                          "Delays register programming for %u ms.\nNot an actual chip register.",
                          entry.Value);
            return text;
        }
    }
    std::string text;
    for (std::size_t record = 0; record < kFieldCount; ++record) {
        if (!IsShownInBreakdown(record, reg)) {
            continue;
        }
        if (text.empty()) {
            char heading[40];
            std::snprintf(heading, sizeof heading, "Register %04Xh breakdown:", reg);
            text = heading;
        }
        text += FieldLine(config, record, config.Live ? -1 : position);
    }
    // Never leave the hint behind for an unrelated lookup.
    config.PositionHint = -1;
    return text;
}

} // namespace k7r::regs
