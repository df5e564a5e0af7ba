#include "config/default_records.h"
#include "config/default_table.h"

namespace {

constexpr HAL_STRUCT MakeTemplateRecord() {
    using namespace k7r::config::defaults;
    HAL_STRUCT r = CommonHeader();
    r.ClkI = 50000000;
    r.ClkI2 = 50000000;
    r.GpoPowerMask = 0x0001;
    r.Flags = fFIXED_DIVMCLK;
    RegEntry* out = r.Regs;
    // The LCD power pins (GPIO0, GPO0) switch on only after the power-on delay.
    Append(out, {{0x8000, 0x00000000}, {0x0064, 0x28D70000}, {0x0068, 0x00000000}});
    AppendDisplayEntries(out, 0x00000043);
    Append(out, {{0x0014, 0x00000000},
                 {riDELAYON, 50},
                 {0x0068, 0x00000001},
                 {0x0064, 0x28D70001},
                 {riREGEND, 0}});
    return r;
}

} // namespace

constinit HAL_STRUCT TemplateRecord = MakeTemplateRecord();
