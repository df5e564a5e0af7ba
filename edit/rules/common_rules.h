#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Pieces every page rule of the core is built from. Front ends call the
// rule headers of the pages, not these.
namespace k7r::edit {

// A refused entry: nothing changed; the control goes back to `shown`.
EditResult Refuse(Refusal why, std::string message, std::uint32_t value, std::string shown,
                  std::string hint = {});

// The accepted outcome of a setting write: what the setting holds now and
// its text as FormatFieldValue gives it.
EditResult Written(EditSession& session, std::uint32_t id, bool changed);

// Every list of the field table ends before this item (duty cycle: 256
// items).
inline constexpr std::uint32_t kLongestList = 256;

// "Allowed values: MCLK (0), BCLK (1), CLKI (2), CLKI2 (3).": the items of
// a setting's list, for refusals of an item it does not have.
std::string ListHint(EditSession& session, std::uint32_t id);

// An item that the setting's list does not offer is refused with
// "ERROR: \"%s\" is not a valid %s!\n" (the item as typed) and the list.
std::optional<EditResult> RefuseUnlisted(EditSession& session, std::uint32_t id,
                                         std::uint32_t item);

// A number editor's entry: the whole part of ReadMilliText, raised or
// lowered to the setting's bounds. A text that is no number is refused with
// "ERROR: \"%s\" is not a valid %s!\n".
struct NumberEntry {
    std::uint32_t value = 0;
    // ClosestValueNote when the entry was clamped, else empty.
    std::string note;
};
std::optional<EditResult> ReadClampedNumber(EditSession& session, std::uint32_t id,
                                            std::string_view text, NumberEntry& entry);

// "NOTE: The %s was set to the closest allowable value.\n" with the
// setting's long name: a number editor clamped the entry to a bound.
std::string ClosestValueNote(std::uint32_t id);

// A register field whose register has no entry in the table lands in the
// end marker's value, which the chip never receives: the change is refused
// with the reason. None when the field can be set (record settings, a live
// configuration, a register the table lists).
std::optional<EditResult> RefuseWithoutEntry(EditSession& session, std::uint32_t id);

// Frame Rate = Pixel Clock / (Vert Total x Horz Total), stored; 0 when the
// totals multiply to 0.
void RefreshFrameRate(EditSession& session);

// The last step of every change: the predefined panel is matched again when
// something changed.
EditResult Finish(EditSession& session, EditResult result);

} // namespace k7r::edit
