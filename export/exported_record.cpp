#include "export/exported_record.h"

#include "config/record.h"
#include "export/symbol_names.h"

#include <algorithm>
#include <cstring>

namespace k7r::exporter {

namespace {

template <std::size_t N>
void CopyText(char (&to)[N], const char (&from)[N]) {
    const std::string_view text = FieldText(from);
    std::memcpy(to, text.data(), text.size());
}

} // namespace

int ExportedEntryCount(int entryCount) {
    return std::min(entryCount + 1, HAL_MAX_REGS);
}

HAL_STRUCT ExportedRecord(const HAL_STRUCT& record) {
    HAL_STRUCT exported{};
    std::memcpy(exported.IdString, HAL_ID_STRING, sizeof HAL_ID_STRING);
    CopyText(exported.Description, record.Description);
    exported.Size = HAL_RECORD_SIZE;
    CopyText(exported.ChipId, record.ChipId);
    exported.EndianMark = HAL_ENDIAN_MARK;
    exported.FrameRate = record.FrameRate;
    exported.ClkI = record.ClkI;
    exported.ClkI2 = record.ClkI2;
    exported.RegPhysAddr = record.RegPhysAddr;
    exported.MemPhysAddr = record.MemPhysAddr;
    exported.PowerOffTime = record.PowerOffTime;
    exported.PowerOnTime = record.PowerOnTime;
    exported.GpioPowerMask = record.GpioPowerMask;
    exported.GpoPowerMask = record.GpoPowerMask;
    exported.RequiredVram = record.RequiredVram;
    exported.Flags = record.Flags & kNamedFlags;
    std::copy_n(record.Regs, ExportedEntryCount(config::CountEntries(record)), exported.Regs);
    return exported;
}

} // namespace k7r::exporter
