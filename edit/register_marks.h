#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The Registers tab's record of registers changed by hand. The other tabs
// rewrite registers whenever a setting changes; the marks say which
// registers the user set in the Modify Register dialog and which of those
// were rewritten since. They are kept per line position of the tab, which
// indexes the register table while stored and the chip's registers while
// live, so they are cleared whenever Live changes.
namespace k7r::edit {

struct EditSession;

enum class ManualState : std::uint8_t {
    Untouched,
    // Set by hand in the Modify Register dialog.
    Modified,
    // Set by hand, and rewritten by another tab since.
    Overwritten,
};

struct RegisterMark {
    ManualState state = ManualState::Untouched;
    // What the user entered last.
    std::uint32_t manual = 0;
    // What the register has, or would have, without the change by hand.
    std::uint32_t computed = 0;
    // What the tab's line shows.
    std::uint32_t shown = 0;
};

// The register table holds at most 67 entries and the chip 94 registers.
inline constexpr std::size_t kMarkedPositions = 100;

// How the Modify Register dialog shows and reads values.
enum class NumberBase { Decimal, Hexadecimal };

// What the Registers tab remembers for the run.
struct RegisterMarks {
    std::array<RegisterMark, kMarkedPositions> positions{};
    // Live as the tab saw it last.
    bool lastLive = false;
    // The marks were cleared because Live changed; the next overwrite report
    // says so.
    bool reset = false;
    NumberBase base = NumberBase::Hexadecimal;
};

// The mark of a line position; none beyond the room for marks.
RegisterMark* MarkAt(EditSession& session, int position);

// On opening the tab: when Live changed since the last look, every mark is
// cleared and the reset reported next; otherwise every register modified
// by hand whose value is no longer the one entered counts as overwritten.
void CheckManualStates(EditSession& session);

// The register's value at a line position now (ReadRegister), which also
// becomes the computed value unless the position holds a change by hand.
std::uint32_t TakeLineValue(EditSession& session, int position);

// The periodic refresh of one position: when the register's value differs
// from the shown one, a register modified by hand counts as overwritten and
// an overwritten one that holds the entered value again as modified, and
// the value becomes the computed one. The value when the line must be
// rewritten; none while it shows the current value.
std::optional<std::uint32_t> RefreshMark(EditSession& session, int position);

// The Modify Register dialog's OK took `value` at the position: it is the
// entered value, and a change by hand unless it is the computed value.
void MarkManualValue(EditSession& session, int position, std::uint32_t value);

// The overwrite report, or the reset report once after Live changed (which
// it consumes); empty when nothing was overwritten.
std::string OverwriteReport(EditSession& session);

} // namespace k7r::edit
