// regs FILE [--breakdown]: the register initialization table in the order
// the chip is programmed, as the utility's Registers tab lists it, with the
// fields of each entry when asked.
#include "cli/command.h"
#include "config/default_records.h"
#include "edit/register_line.h"
#include "regs/settings_engine.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

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

} // namespace

int RunRegs(Arguments arguments) {
    if (arguments.empty() || arguments.size() > 2 ||
        (arguments.size() == 2 && arguments[1] != "--breakdown")) {
        return kExitUsage;
    }
    const bool breakdown = arguments.size() == 2;
    WorkingConfig config(TemplateRecord);
    if (!OpenConfigFile(std::string(arguments[0]), config, PrintToStderr())) {
        return kExitFailure;
    }
    std::vector<Row> rows;
    for (int position = 0; EnumRegister(config, position).more; ++position) {
        const std::uint32_t reg = EnumRegister(config, position).reg;
        rows.push_back(edit::FormatRegisterLine(reg, ReadRegister(config, reg, position)));
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
            PrintBreakdown(RegisterBreakdown(config, static_cast<int>(position)));
        }
    }
    return kExitSuccess;
}

} // namespace k7r::cli
