#pragma once

#include "edit/register_line.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// How the commands write a configuration as text: the setting lines of get
// and the register table of regs, which diff and show --textconv print too.
namespace k7r::cli {

// "67 Horz Total = 352": a setting as the utility shows it.
std::string SettingLine(config::WorkingConfig& config, std::uint32_t id);

// Every setting id once, in the order of the field table.
std::vector<std::uint32_t> SettingIds();

using ColumnWidths = std::array<std::size_t, edit::kRegisterColumnCount>;

// Columns as wide as the widest of the rows and the headings.
ColumnWidths RegisterColumnWidths(std::span<const edit::RegisterLine> rows);

// The Registers tab's column headings.
edit::RegisterLine RegisterHeadings();

// One row in its columns: the decimal value right-aligned, the others left,
// two blanks apart.
std::string RegisterTableLine(const edit::RegisterLine& row, const ColumnWidths& widths);

} // namespace k7r::cli
