#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The Panel page's rules: the panel type with its power pin family, the
// feature editors, the pixel clock and the predefined panels. After every
// change the predefined panel is matched again (EditSession).
namespace k7r::edit {

// The last item of the predefined panel list, and the list's name for a
// configuration that no entry matches.
inline constexpr std::string_view kCustomPanel = "Custom panel";
// Marks a DEBUG.DEF panel that this chip cannot drive.
inline constexpr std::string_view kDisqualifiedMark = "**";

// Reported once a run, with flag 4, when a DEBUG.DEF list is loaded.
inline constexpr std::string_view kDebugModeNote =
    "Loaded DEBUG.DEF file.  Note that panels prefixed with ** shouldn't work with 58C22.\n";

// Opening the page: the frame rate stored as the page shows it, the
// debug-mode note the first time in a run (else empty), and the predefined
// panel matched.
std::string OpenPanelPage(EditSession& session);

// The panel type list: setting 24 = the composite type 0 STN, 1 TFT, 2
// HR-TFT or 4 to 7 the extended types (3 is no choice of its own; it stores
// HR-TFT). When the type changes, panel power moves to the new type's pin
// family (PanelUsesGpio: true = GPO pins, setting 9; false = GPIO, setting
// 8), with m = setting 8:
//   - to GPO power from GPIO power: setting 9 = 1 (GPO pin 0) if m is set;
//   - to GPIO power from GPO power: setting 8 = 1 (GPIO pin 0) if setting 9
//     is below 256; otherwise, when USB is on and m has any of bits 4 to 7,
//     or the clock chip is on and m has any of bits 1 to 3, setting 8 = 0
//     with "Warning: GPIO Power was disabled because of a clock chip or USB
//     conflict.\n".
EditResult ChoosePanelType(EditSession& session, std::uint32_t panelType);

// The panel type list's values in list order, each composite type once; the
// list shows each value's list text (GetFieldListText of setting 24).
std::span<const std::uint32_t> PanelTypeChoices();

// Why no editor can change the feature in this configuration (its register
// has no entry in the register table, so every change is refused with this
// text); nothing when the feature can be changed.
std::optional<std::string> FeatureRefusal(EditSession& session, std::uint32_t id);

// The number editor of a feature (field 3008). Leaving the field: a number
// editor entry (no number refused, beyond the bounds set to the nearer one
// with "NOTE: The %s was set to the closest allowable value.\n"); the field
// shows "%u". Horz Total (67) and Vert Total (73) store the frame rate.
EditResult LeaveFeatureNumber(EditSession& session, std::uint32_t id, std::string_view text);

// The slider or spin buttons of a number editor: the setting takes the
// position (within the bounds they are ranged to).
EditResult MoveFeatureNumber(EditSession& session, std::uint32_t id, std::uint32_t position);

// The list box of a feature: the setting takes the selected position. No
// selection is refused with "ERROR: \"\" is not a valid %s!\n", an item the
// list lacks with the list.
EditResult ChooseFeatureItem(EditSession& session, std::uint32_t id,
                             std::optional<std::uint32_t> item);

// The drop-down of Horz Disp Period (68) and Vert Disp Period (74), leaving
// it or choosing an item: the text's whole part (ReadMilliText). No number
// is refused with "ERROR: \"%s\" is not a valid %s!\n", a value beyond the
// bounds with "ERROR: \"%d\" is not a valid %s (must be between %d and
// %d)!\n". Horz Disp Period is raised to the next multiple of 8 while
// setting 44 is non-zero, else of 16, with "NOTE: The value was rounded up
// to the closest allowable value.\n". A change (or a raise) runs the
// display geometry update and stores the frame rate.
EditResult LeaveFeatureDropDown(EditSession& session, std::uint32_t id, std::string_view text);

// The pixel clock list (ReachablePixelClocks): with setting 15 "Auto PCLK
// Div" on, setting 33 "PCLK Div" = the chosen line; with it off the list
// holds only the current divide, which stays. A new divide stores the frame
// rate.
EditResult ChoosePixelClock(EditSession& session, std::size_t line);

// The predefined panel list: item i < the list's count applies that entry
// (ApplyPredefinedPanel of panels/panel_settings.h: type, size, format,
// timings, the pixel clock, the geometry update and the frame rate) and
// selects it; "Could not change pixel clock to \"%s\"\n." joins the report
// when no divide reaches the panel's clock. A disqualified entry is refused
// with its reason (an error, with a beep) and nothing is applied. The last
// item, "Custom panel", changes nothing.
EditResult ApplyPredefinedPanel(EditSession& session, std::size_t item);

// The predefined panel list's items: the entries' names in file order, a
// disqualified one behind kDisqualifiedMark, then kCustomPanel. Without a
// panel file the list is empty, "Custom panel" included.
std::vector<std::string> PredefinedPanelItems(const panels::PanelDefList& panels);

} // namespace k7r::edit
