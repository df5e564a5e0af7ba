#include "edit/register_line.h"

#include "config/hal_struct.h"
#include "regs/register_access.h"
#include "regs/register_table.h"
#include "regs/register_width.h"

#include <cstdio>

namespace k7r::edit {

RegisterLine FormatRegisterLine(std::uint32_t reg, std::uint32_t value) {
    const unsigned width = regs::RegisterWidth(reg);
    char text[48];
    RegisterLine line;
    if (reg == riDELAYON || reg == riDELAYOFF) {
        line[0] = "DELAY";
    } else {
        std::snprintf(text, sizeof text, "%04Xh", reg);
        line[0] = text;
    }
    std::snprintf(text, sizeof text, "%0*Xh", static_cast<int>(width / 4), value);
    line[1] = text;
    std::snprintf(text, sizeof text, "%10u", value);
    line[2] = text;
    line[3] = regs::GetRegisterName(reg);
    for (int bit = static_cast<int>(width) - 1; bit >= 0; --bit) {
        line[4] += (value >> bit & 1) != 0 ? '1' : '0';
    }
    line[4] += 'b';
    return line;
}

std::vector<RegisterLine> RegisterLines(config::WorkingConfig& config) {
    std::vector<RegisterLine> lines;
    for (int position = 0; regs::EnumRegister(config, position).more; ++position) {
        const std::uint32_t reg = regs::EnumRegister(config, position).reg;
        lines.push_back(FormatRegisterLine(reg, regs::ReadRegister(config, reg, position)));
    }
    return lines;
}

} // namespace k7r::edit
