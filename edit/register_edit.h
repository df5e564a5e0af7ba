#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"
#include "edit/register_marks.h"

#include <string_view>

// The Modify Register dialog's rule: a register initialization table entry
// (or, while live, a chip register) takes the value typed, whatever its
// width, and the Registers tab's marks record the change by hand.
namespace k7r::edit {

// The dialog's OK at a table position: the text read in the dialog's base
// (the whole part of ReadMilliText, or ReadHexField). An unreadable text is
// refused with "ERROR:Invalid value entered!", which the dialog shows in a
// message box and stays open; otherwise WriteRegister stores the value at
// the position (and on the chip while live) and MarkManualValue records it.
EditResult ModifyRegister(EditSession& session, int position, std::string_view text,
                          NumberBase base);

} // namespace k7r::edit
