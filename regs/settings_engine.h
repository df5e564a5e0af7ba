#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k7r {

struct WorkingConfig;

// The one layer through which the configuration's register values are read
// and changed. In stored mode (Live clear) everything acts on the working
// record's register table; in live mode reads come from the chip and writes go
// to the chip and to the table.

// Register level. Positions index the record's table in stored mode and the
// register description table in live mode; a negative position means "find
// the entry by register".
std::uint32_t ReadRegister(WorkingConfig& config, std::uint32_t reg, int position);
std::uint32_t WriteRegister(WorkingConfig& config, std::uint32_t reg, std::uint32_t value,
                            int position);

struct EnumeratedRegister {
    std::uint32_t reg;
    bool more;
};
EnumeratedRegister EnumRegister(const WorkingConfig& config, int position);

// Generic register field access by record position in kFieldTable.
std::uint32_t ReadFieldBits(WorkingConfig& config, std::size_t record);
void WriteFieldBits(WorkingConfig& config, std::size_t record, std::uint32_t value);
// Writes every entry of the field's register: "before" into the entries ahead
// of the power-on delay, "after" into those behind it.
void WriteFieldAllEntries(WorkingConfig& config, std::size_t record, std::uint32_t before,
                          std::uint32_t after);

// Field level, by setting id. An id that no record has gives 0, false or an
// empty text and changes nothing.
std::uint32_t GetFieldValue(WorkingConfig& config, std::uint32_t id);
// True when the requested value differs from the value read before.
bool SetFieldValue(WorkingConfig& config, std::uint32_t id, std::uint32_t value);
std::uint32_t GetFieldMin(WorkingConfig& config, std::uint32_t id);
std::uint32_t GetFieldMax(WorkingConfig& config, std::uint32_t id);
std::optional<std::string> GetFieldListText(WorkingConfig& config, std::uint32_t id,
                                            std::uint32_t item);
std::string FormatFieldValue(WorkingConfig& config, std::uint32_t id);
// Stores at most 255 characters as the description (id 1 only); returns the
// number stored.
std::size_t SetDescriptionText(WorkingConfig& config, std::uint32_t id, std::string_view text);

// The value and its text for one particular record (ids 25 and 26 have two).
std::uint32_t GetRecordValue(WorkingConfig& config, std::size_t record);
std::string FormatRecordValue(WorkingConfig& config, std::size_t record);

// The fields of one register entry with their values, for the Registers tab.
std::string RegisterBreakdown(WorkingConfig& config, int position);

} // namespace k7r
