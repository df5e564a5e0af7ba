#pragma once

#include <cstdint>
#include <string>

namespace k7r::edit {

// Why the editing core refused a change. Front ends decide from it what to
// do and say; `message` holds the pages' words for it.
enum class Refusal {
    None,
    // The entry itself: no number, hexadecimal value or list text of the
    // setting, or nothing chosen.
    NotANumber,
    // A value beyond the bounds the control takes.
    OutOfRange,
    // An item, option or pin that the control does not offer.
    NotInList,
    // Longer than the setting holds.
    TooLong,
    // The setting, whatever the value.
    ReadOnly,
    Computed,
    // Another setting holds this one as it is now (Auto Stride, the HR-TFT
    // interface, the panel type's power pin family).
    Locked,
    // A register field whose register the configuration's table lacks.
    NoRegisterEntry,
    // A predefined panel that the panel list disqualifies.
    Disqualified,
    UnknownSetting,
};

// The refusals of what was entered, which the pages quote with the setting's
// name ("ERROR: \"%s\" is not a valid %s!\n"); the others refuse the change
// whatever the entry.
constexpr bool RefusesEntry(Refusal refusal) {
    return refusal == Refusal::NotANumber || refusal == Refusal::OutOfRange ||
           refusal == Refusal::NotInList || refusal == Refusal::TooLong;
}

// What one change through the editing core did. The core prints nothing:
// each front end shows this in its own way (the pages: ReportStatus, or
// ReportBadEntry for a refusal; the command line: its output streams).
struct EditResult {
    // Refusal::None when the entry was taken; otherwise nothing changed and
    // `message` holds the error the page shows.
    Refusal refusal = Refusal::None;
    // A setting changed. The pages report after a change, and also when
    // `message` holds a note or warning.
    bool changed = false;
    // What the edited setting holds now (clamped, rounded or converted), or
    // still holds after a refusal.
    std::uint32_t value = 0;
    // The text the control shows now: the accepted value as the page writes
    // it back, or the current value it restores after a refusal.
    std::string shown;
    // In the pages' exact words: the refusal, or the notes and warnings that
    // the page's report carries with the change (each ending in "\n").
    std::string message;
    // How the value is written, for front ends that take values typed
    // without the page's control (the command line): the allowed values of
    // a list or option, a clock's unit. The pages have no use for it.
    std::string hint;

    bool accepted() const { return refusal == Refusal::None; }
};

} // namespace k7r::edit
