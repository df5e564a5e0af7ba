#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"

#include <cstdint>
#include <string>
#include <string_view>

// The Panel Power page's rules: whether and through which pin the software
// switches the LCD bias power, and the two power sequencing delays. The
// panel type decides the pin family (PanelUsesGpio): GPO pins 0 to 10
// (setting 9 "GPO Pwr Mask") or GPIO pins 0 to 7 (setting 8 "GPIO Pwr
// Mask"). A mask holds the chosen pin's bit, 0 while power control is off.
namespace k7r::edit {

inline constexpr unsigned kGpoPinCount = 11;
inline constexpr unsigned kGpioPinCount = 8;

// True while the panel type switches power through a GPO pin.
bool PowerThroughGpo(EditSession& session);

// Opening the page: each family's last pin is taken from its mask (pin 0
// when the mask is 0).
void OpenPowerPage(EditSession& session);

// The power check box: the current family's mask becomes its last chosen
// pin when set, 0 when cleared.
EditResult SetPanelPower(EditSession& session, bool on);

// Whether a pin button of the current family can be chosen: GPO pin 0
// always and the others unless the composite panel type is 4; GPIO pin 0
// always, pins 1 to 3 while the clock chip is off, 4 to 7 while USB is off.
// (The page also disables every pin while power control is off.)
bool PowerPinAllowed(EditSession& session, unsigned pin);

// A pin button: its bit becomes the family's last pin and its mask. A pin
// the family does not have, or one PowerPinAllowed refuses, is refused with
// the pins that can be chosen.
EditResult ChoosePowerPin(EditSession& session, unsigned pin);

// Leaving the power-on (setting 7) or power-off (6) delay field: the text's
// whole part (ReadMilliText) in ms; no number, or one above 65535, is
// refused with "ERROR: \"%s\" is not a valid %s!\n".
EditResult LeavePowerDelay(EditSession& session, std::uint32_t id, std::string_view text);

// A changed panel type moves panel power to its pin family (ChoosePanelType
// of panel_rules.h); the warning when a conflicting pin was given up.
std::string SwitchPowerPinFamily(EditSession& session, std::uint32_t oldType);

} // namespace k7r::edit
