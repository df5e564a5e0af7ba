// regs FILE [--breakdown] [--json]: the register initialization table in the order
// the chip is programmed, as the utility's Registers tab lists it, with the
// fields of each entry when asked.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/json_output.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "edit/register_line.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"
#include "regs/register_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

constexpr Option kBreakdown = {"--breakdown", "", "", "show each entry's fields and their values"};

using edit::kDecimalColumn;
using Row = edit::RegisterLine;

void PrintRow(const Row& row, const std::array<std::size_t, 5>& widths) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
        const std::size_t pad = widths[column] - row[column].size();
        if (column == kDecimalColumn) {
            line += std::string(pad, ' ') + row[column];
        } else if (column + 1 < row.size()) {
            line += row[column] + std::string(pad, ' ');
        } else {
            line += row[column];
        }
        if (column + 1 < row.size()) {
            line += "  ";
        }
    }
    std::printf("%s\n", line.c_str());
}

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
    Json registers = Json::array();
    std::vector<Row> rows;
    for (int position = 0; regs::EnumRegister(config, position).more; ++position) {
        const std::uint32_t reg = regs::EnumRegister(config, position).reg;
        const std::uint32_t value = regs::ReadRegister(config, reg, position);
        rows.push_back(edit::FormatRegisterLine(reg, value));
        Json entry = {{"index", reg}, {"name", regs::GetRegisterName(reg)}, {"value", value}};
        if (breakdown) {
            entry["breakdown"] = BreakdownJson(regs::RegisterBreakdown(config, position));
        }
        registers.push_back(entry);
    }
    if (invocation.Has(kJsonOption.name)) {
        PrintJson({{"file", invocation.operands[0]}, {"registers", registers}});
        return kExitSuccess;
    }
    std::array<std::size_t, 5> widths{};
    for (const Row& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(
                {widths[column], row[column].size(), edit::kRegisterColumns[column].size()});
        }
    }
    Row headings;
    std::copy(edit::kRegisterColumns.begin(), edit::kRegisterColumns.end(), headings.begin());
    PrintRow(headings, widths);
    for (std::size_t position = 0; position < rows.size(); ++position) {
        PrintRow(rows[position], widths);
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
