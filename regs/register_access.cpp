
#include "regs/register_access.h"

#include "config/working_config.h"
#include "regs/chip_port.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_table.h"
#include "regs/register_table.h"
#include "regs/register_width.h"

#include <algorithm>

namespace k7r::regs {
namespace {

// The entry at a table position, where the position EntryCount (the end
// entry) stands for registers the table does not list. A table without an
// end marker has no such entry: then reads give 0 and writes are dropped.
RegEntry* EntryAt(config::WorkingConfig& config, int position) {
    if (position < 0 || position > config.EntryCount || position >= HAL_MAX_REGS) {
        return nullptr;
    }
    return &config.Record.Regs[position];
}

std::uint32_t MergeField(std::uint32_t value, std::uint32_t mask, std::uint32_t field) {
    return (value & ~mask) | ((field << FieldBitRange(mask).Lo) & mask);
}

// Fields of registers that shape the picture arm the test-pattern redraw.
bool IsModeRegister(std::uint32_t reg) {
    for (const FIELD_DESC& field : kFieldTable) {
        if ((field.Attributes & ffMODE) && field.Register == reg) {
            return true;
        }
    }
    return false;
}

} // namespace

std::uint32_t ReadRegister(config::WorkingConfig& config, std::uint32_t reg, int position) {
    if (config.Live) {
        if (position >= 0 && static_cast<std::size_t>(position) < kRegisterCount) {
            reg = kRegisterTable[position].Offset;
        }
        // Pseudo-registers exist only in the table, never on the chip.
        if (reg < riRESERVED_FIRST) {
            return ChipReadRegister(reg);
        }
        position = -1;
    }
    if (position < 0) {
        position = config.FindRegisterEntry(reg);
    }
    const RegEntry* entry = EntryAt(config, position);
    return entry ? entry->Value : 0;
}

std::uint32_t WriteRegister(config::WorkingConfig& config, std::uint32_t reg, std::uint32_t value,
                            int position) {
    if (config.Live) {
        if (reg < riRESERVED_FIRST) {
            ChipWriteRegister(reg, value);
            if (RegisterWidth(reg) == 32 && config.AutoRedraw && config.Bound &&
                IsModeRegister(reg)) {
                config.RedrawCountdown = 1;
            }
        }
        position = -1;
    }
    if (position < 0) {
        position = config.FindRegisterEntry(reg);
    }
    if (RegEntry* entry = EntryAt(config, position)) {
        entry->Value = value;
    }
    return value;
}

EnumeratedRegister EnumRegister(const config::WorkingConfig& config, int position) {
    if (config.Live) {
        const int end = static_cast<int>(kRegisterCount) - 1;
        if (position < 0 || position >= static_cast<int>(kRealRegisterCount)) {
            position = end;
        }
        return {kRegisterTable[position].Offset, position != end};
    }
    if (position < 0 || position > config.EntryCount) {
        position = config.EntryCount;
    }
    if (position >= HAL_MAX_REGS) {
        return {riREGEND, false};
    }
    return {config.Record.Regs[position].Index, position != config.EntryCount};
}

std::uint32_t ReadFieldBits(config::WorkingConfig& config, std::size_t record) {
    const FIELD_DESC& field = kFieldTable[record];
    if (field.Mask == 0) {
        return 0;
    }
    std::uint32_t value = 0;
    if (config.Live) {
        value = ChipReadRegister(field.Register);
    } else if (const RegEntry* entry = EntryAt(config, config.FindRegisterEntry(field.Register))) {
        value = entry->Value;
    }
    return (value & field.Mask) >> FieldBitRange(field.Mask).Lo;
}

void WriteFieldBits(config::WorkingConfig& config, std::size_t record, std::uint32_t value) {
    const FIELD_DESC& field = kFieldTable[record];
    if (field.Mask == 0) {
        return;
    }
    value = std::min(value, FieldMaxValue(field.Mask));
    const int position = config.FindRegisterEntry(field.Register);
    if (config.Live) {
        ChipWriteRegister(field.Register,
                          MergeField(ChipReadRegister(field.Register), field.Mask, value));
        // A register without an entry reaches the chip only.
        if (position >= config.EntryCount) {
            return;
        }
    }
    if (RegEntry* entry = EntryAt(config, position)) {
        entry->Value = MergeField(entry->Value, field.Mask, value);
    }
}

void WriteFieldAllEntries(config::WorkingConfig& config, std::size_t record, std::uint32_t before,
                          std::uint32_t after) {
    const FIELD_DESC& field = kFieldTable[record];
    if (field.Mask == 0) {
        return;
    }
    const std::uint32_t max = FieldMaxValue(field.Mask);
    before = std::min(before, max);
    after = std::min(after, max);
    bool afterDelay = false;
    for (int position = 0; position < config.EntryCount && position < HAL_MAX_REGS; ++position) {
        RegEntry& entry = config.Record.Regs[position];
        if (entry.Index == riDELAYON) {
            afterDelay = true;
        } else if (entry.Index == field.Register) {
            entry.Value = MergeField(entry.Value, field.Mask, afterDelay ? after : before);
            // The chip already runs past the power-on delay: only the state
            // after it is its current state.
            if (config.Live && afterDelay) {
                ChipWriteRegister(field.Register,
                                  MergeField(ChipReadRegister(field.Register), field.Mask, after));
            }
        }
    }
}

} // namespace k7r::regs
