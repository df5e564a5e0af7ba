#pragma once

#include <cstdint>
#include <string>

namespace k7r::edit {

// What one change through the editing core did. The core prints nothing:
// each front end shows this in its own way (the pages: ReportStatus, or
// ReportBadEntry for a refusal; the command line: its output streams).
struct EditResult {
    // False when the entry was refused: nothing changed and `message` holds
    // the error the page shows.
    bool accepted = true;
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
};

} // namespace k7r::edit
