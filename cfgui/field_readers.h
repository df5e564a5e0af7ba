#pragma once

#include "edit/field_text.h"

#include <optional>
#include <string>

namespace k7r::cfgui {

class View;

// The pages read their fields as the editing core reads typed values
// (edit/field_text.h); these take the text from the control.
using edit::MilliValue;

// A drop-down list with a selection is read from its selected item.
std::optional<MilliValue> ReadMilliField(const View& view, int control);
// The text ReadMilliField reads.
std::string MilliFieldText(const View& view, int control);

} // namespace k7r::cfgui
