#pragma once

#include "config/hal_struct.h"

#include <cstdint>

namespace k7r::config {

// The utility's one configuration document: a host-order copy of a record
// and the bookkeeping every other part needs around it.
struct WorkingConfig {
    // A chip has been initialized from this configuration.
    bool Bound = false;
    // Register reads and writes go to the chip; only while Bound.
    bool Live = false;
    // The test pattern is redrawn after picture-changing edits.
    bool AutoRedraw = false;
    // Timer ticks until the test pattern is redrawn; 0 = nothing pending.
    std::uint32_t RedrawCountdown = 0;
    // Process addresses of display memory and registers from the chip access
    // layer's acquire; RegisterBase 0 = not acquired in this process.
    std::uintptr_t MemoryBase = 0;
    std::uintptr_t RegisterBase = 0;
    HAL_STRUCT Record{};
    // Position of the riREGEND entry (67 when the table has none).
    int EntryCount = 0;
    // One-shot hint for FindRegisterEntry; -1 = none.
    int PositionHint = -1;
    // The main window start address the user chose, restored by every layout
    // recomputation so that SwivelView changes keep it.
    std::uint32_t SavedMainStart = 0;

    // Built from the record the program carries (the utility's template).
    explicit WorkingConfig(const HAL_STRUCT& initial);

    // Replaces the record by a host-order one; the configuration is no longer
    // tied to a chip, though the chip stays acquired.
    void AdoptRecord(const HAL_STRUCT& record);

    // Position of the entry for a register: the hinted entry when the hint
    // names that register (consuming the hint), else the last entry before
    // the end, else EntryCount.
    int FindRegisterEntry(std::uint32_t offset);
};

} // namespace k7r::config
