#pragma once

#include <cstddef>
#include <cstdint>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::regs {

// The one layer through which the configuration's register values are read
// and changed. In stored mode (Live clear) everything acts on the working
// record's register table; in live mode reads come from the chip and writes go
// to the chip and to the table.

// Register level. Positions index the record's table in stored mode and the
// register description table in live mode; a negative position means "find
// the entry by register".
std::uint32_t ReadRegister(config::WorkingConfig& config, std::uint32_t reg, int position);
std::uint32_t WriteRegister(config::WorkingConfig& config, std::uint32_t reg, std::uint32_t value,
                            int position);

struct EnumeratedRegister {
    std::uint32_t reg;
    bool more;
};
EnumeratedRegister EnumRegister(const config::WorkingConfig& config, int position);

// Generic register field access by record position in kFieldTable.
std::uint32_t ReadFieldBits(config::WorkingConfig& config, std::size_t record);
void WriteFieldBits(config::WorkingConfig& config, std::size_t record, std::uint32_t value);
// Writes every entry of the field's register: "before" into the entries ahead
// of the power-on delay, "after" into those behind it.
void WriteFieldAllEntries(config::WorkingConfig& config, std::size_t record, std::uint32_t before,
                          std::uint32_t after);

} // namespace k7r::regs
