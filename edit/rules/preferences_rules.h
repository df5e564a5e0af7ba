#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"

#include <cstdint>
#include <string>
#include <string_view>

// The Preferences page's rules: colour depth, SwivelView, pixel doubling and
// the configuration's description. Every change that alters a setting runs
// the display geometry update and remembers the main start address.
namespace k7r::edit {

// The display geometry update (the Panel page runs it too): stride (with
// Auto Stride), the main start address restored from SavedMainStart,
// Required VRAM and the PIP+ window follow the panel size, depth, SwivelView
// and doubling.
void UpdateDisplayGeometry(EditSession& session);

// Setting 79's current value becomes the address the layout updates keep
// (SavedMainStart): when the Preferences page opens and after its changes.
void RememberMainStart(EditSession& session);

// The colour depth option buttons: setting 54 = 1, 2, 4, 8 or 16. Any other
// depth is refused with the values the buttons offer.
EditResult ChooseColorDepth(EditSession& session, std::uint32_t bitsPerPixel);

// The SwivelView option buttons: setting 52 = 0, 90, 180 or 270 degrees;
// any other angle is refused with the values the buttons offer.
EditResult ChooseSwivelView(EditSession& session, std::uint32_t degrees);

// "Horizontal" (setting 46) and "Vertical" (setting 45) pixel doubling.
EditResult SetPixelDoubling(EditSession& session, std::uint32_t id, bool on);

// Leaving the description field: its text without carriage returns is
// stored (SetDescriptionText) when it differs from setting 1's. The field
// takes at most setting 1's upper bound - 1 = 255 characters; a longer text
// is refused with "ERROR: \"%s\" is not a valid %s!\n". `shown` is the
// stored text with "\r\n" line ends.
EditResult LeaveDescription(EditSession& session, std::string_view text);

// The most characters the description field takes.
std::size_t DescriptionLimit(EditSession& session);

// Setting 1's text with "\r\n" line ends, as the description field shows it.
std::string DescriptionFieldText(EditSession& session);

} // namespace k7r::edit
