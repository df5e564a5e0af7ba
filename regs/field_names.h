#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace k7r::regs {

// Style bits of FormatFieldName. Pieces appear in this order, blank-separated:
// the name, the register position (in parentheses after a name) and the
// attribute notes ("[RESERVED,READONLY]").
inline constexpr unsigned kShowName = 1;       // the long name, or the short one with kShortForms
inline constexpr unsigned kShowPosition = 2;   // "REG[20h] Bits 6:0", register fields only
inline constexpr unsigned kShowAttributes = 4; // reserved, read-only and write-only notes
inline constexpr unsigned kShortForms = 8;     // "Horz Total", "REG[20h-b6:0]", "[RSVD,RO]"

// Empty for an id that no record has. Ids 25 and 26 name their first record.
std::string FormatFieldName(std::uint32_t id, unsigned style);
// The same for the record at a position of kFieldTable.
std::string FormatRecordName(std::size_t record, unsigned style);

// One paragraph per record with that id, in table order: the record's help
// text and a rule when it has one, then its long name, units and formula.
// Empty for an id that no record has.
std::string FieldHelpForId(std::uint32_t id);
// Appends the paragraph of the record at a position of kFieldTable, after a
// blank line when the text already holds one.
void AppendHelpParagraph(std::string& text, std::size_t record);

} // namespace k7r::regs
