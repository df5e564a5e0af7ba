#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// How the Registers tab writes a register table entry (or, while live, a
// chip register) as a line; the command line's register listing writes the
// same lines.
namespace k7r::edit {

inline constexpr std::size_t kRegisterColumnCount = 5;
inline constexpr std::array<std::string_view, kRegisterColumnCount> kRegisterColumns = {
    "REG", "Hex", "Decimal", "Register Name", "Binary"};
// The one right-aligned column.
inline constexpr std::size_t kDecimalColumn = 2;

using RegisterLine = std::array<std::string, kRegisterColumnCount>;

// "DELAY" or "%04Xh" of the register; "%04Xh" (USB) or "%08Xh" of the value;
// "%10u"; the register's name; 16 (USB) or 32 binary digits and "b".
RegisterLine FormatRegisterLine(std::uint32_t reg, std::uint32_t value);

// The register table's entries in programming order (while live, the
// chip's registers), as the Registers tab lists them.
std::vector<RegisterLine> RegisterLines(config::WorkingConfig& config);

} // namespace k7r::edit
