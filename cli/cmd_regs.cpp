// regs FILE [--breakdown] [--json]: the register initialization table in the order
// the chip is programmed, as the utility's Registers tab lists it, with the
// fields of each entry when asked.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/json_output.h"
#include "cli/record_text.h"
#include "config/default_records.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"
#include "regs/register_table.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

constexpr Option kBreakdown = {"--breakdown", "", "", "show each entry's fields and their values"};

// The breakdown under its entry, indented.
void PrintBreakdown(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::printf("    %s\n", text.substr(start, end - start).c_str());
        start = end + 1;
    }
}

// The breakdown's lines without their indent and trailing blanks, and
// without the heading that
// the text shows above a register's fields.
Json BreakdownJson(const std::string& text) {
    Json lines = Json::array();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        line.erase(0, line.find_first_not_of(' '));
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty() && !line.ends_with(" breakdown:")) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

int RunRegs(const Invocation& invocation) {
    const bool breakdown = invocation.Has(kBreakdown.name);
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(invocation.operands[0], config, PrintToStderr())) {
        return kExitFailure;
    }
    if (invocation.Has(kJsonOption.name)) {
        Json registers = Json::array();
        for (int position = 0; regs::EnumRegister(config, position).more; ++position) {
            const std::uint32_t reg = regs::EnumRegister(config, position).reg;
            Json entry = {{"index", reg},
                          {"name", regs::GetRegisterName(reg)},
                          {"value", regs::ReadRegister(config, reg, position)}};
            if (breakdown) {
                entry["breakdown"] = BreakdownJson(regs::RegisterBreakdown(config, position));
            }
            registers.push_back(entry);
        }
        PrintJson({{"file", invocation.operands[0]}, {"registers", registers}});
        return kExitSuccess;
    }
    const std::vector<edit::RegisterLine> rows = edit::RegisterLines(config);
    const ColumnWidths widths = RegisterColumnWidths(rows);
    std::printf("%s\n", RegisterTableLine(RegisterHeadings(), widths).c_str());
    for (std::size_t position = 0; position < rows.size(); ++position) {
        std::printf("%s\n", RegisterTableLine(rows[position], widths).c_str());
        if (breakdown) {
            PrintBreakdown(regs::RegisterBreakdown(config, static_cast<int>(position)));
        }
    }
    return kExitSuccess;
}

constexpr Option kOptions[] = {kBreakdown, kJsonOption};

} // namespace

constinit const Command kRegsCommand = {
    .name = "regs",
    .operands = "FILE",
    .minOperands = 1,
    .maxOperands = 1,
    .options = kOptions,
    .summary = "list the register table in programming order",
    .details = "Lists the entries as the Registers tab does (REG, Hex, Decimal, name,\n"
               "Binary); a delay entry shows as DELAY.\n",
    .example = "regs firmware.elf --breakdown",
    .run = RunRegs,
};

} // namespace k7r::cli
