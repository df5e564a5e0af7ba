#include "config/default_records.h"
#include "config/default_table.h"

namespace {

// CRC of the content below; a test recomputes it.
constexpr HAL_U16 kViewerRecordCrc = 0xE87F;

constexpr HAL_STRUCT MakeViewerRecord() {
    using namespace k7r::config::defaults;
    HAL_STRUCT r = CommonHeader();
    r.Crc = kViewerRecordCrc;
    r.ClkI = 40000000;
    r.ClkI2 = 6250000;
    r.GpoPowerMask = 0x0000;
    r.Flags = fFIXED_DIVMCLK | fFIXED_DIVPCLK;
    RegEntry* out = r.Regs;
    Append(out, {{0x8000, 0x00000000}, {0x0014, 0x00000000}, {0x0064, 0x28D70000}});
    AppendDisplayEntries(out, 0x00000003); // PCLK = CLKI2 / 1
    Append(out, {{riDELAYON, 50}, {0x0064, 0x28D70001}, {0x0014, 0x00000000}, {riREGEND, 0}});
    return r;
}

} // namespace

constinit HAL_STRUCT ViewerRecord = MakeViewerRecord();
