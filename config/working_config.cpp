#include "config/working_config.h"

#include "config/record.h"

namespace k7r::config {

WorkingConfig::WorkingConfig(const HAL_STRUCT& initial) : Record(initial) {
    EntryCount = CountEntries(Record);
}

void WorkingConfig::AdoptRecord(const HAL_STRUCT& record) {
    Record = record;
    PositionHint = -1;
    EntryCount = CountEntries(Record);
    Bound = false;
    Live = false;
}

int WorkingConfig::FindRegisterEntry(std::uint32_t offset) {
    if (PositionHint >= 0 && PositionHint < HAL_MAX_REGS &&
        Record.Regs[PositionHint].Index == offset) {
        const int hint = PositionHint;
        PositionHint = -1;
        return hint;
    }
    for (int position = EntryCount - 1; position >= 0; --position) {
        if (Record.Regs[position].Index == offset) {
            return position;
        }
    }
    return EntryCount;
}

} // namespace k7r::config
