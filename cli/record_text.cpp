#include "cli/record_text.h"

#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/field_values.h"

#include <algorithm>

namespace k7r::cli {

std::string SettingLine(config::WorkingConfig& config, std::uint32_t id) {
    return std::to_string(id) + ' ' +
           regs::FormatFieldName(id, regs::kShortForms | regs::kShowName) + " = " +
           regs::FormatFieldValue(config, id);
}

std::vector<std::uint32_t> SettingIds() {
    std::vector<std::uint32_t> ids;
    for (const regs::FIELD_DESC& field : regs::kFieldTable) {
        if (std::find(ids.begin(), ids.end(), field.Id) == ids.end()) {
            ids.push_back(field.Id);
        }
    }
    return ids;
}

ColumnWidths RegisterColumnWidths(std::span<const edit::RegisterLine> rows) {
    ColumnWidths widths{};
    for (std::size_t column = 0; column < widths.size(); ++column) {
        widths[column] = edit::kRegisterColumns[column].size();
        for (const edit::RegisterLine& row : rows) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    return widths;
}

edit::RegisterLine RegisterHeadings() {
    edit::RegisterLine headings;
    std::copy(edit::kRegisterColumns.begin(), edit::kRegisterColumns.end(), headings.begin());
    return headings;
}

std::string RegisterTableLine(const edit::RegisterLine& row, const ColumnWidths& widths) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
        const std::size_t pad = widths[column] - row[column].size();
        if (column == edit::kDecimalColumn) {
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
    return line;
}

} // namespace k7r::cli
