#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"

#include <cstdint>
#include <string_view>

namespace k7r::edit {

// Changes one setting, named by its id, from a value typed without the
// page's control (the command line's SETTING=VALUE), through the rule of
// the page control that edits the setting: the same conversion, bounds,
// clamping, refusals, notes, warnings and follow-ups as the page.
//
// How each setting's value is typed and which page rule takes it:
//   1            text, at most 255 characters        LeaveDescription
//   2, 3         MHz, "25.175" (an "MHz" suffix      EnterInputClock
//                may follow), 0.391 to 120.000
//   4, 5         hexadecimal ("0x" may lead)         EnterAddress
//   6, 7         ms, 0 to 65535                      LeavePowerDelay
//   8, 9         0 (off) or one pin's bit, of the    SetPanelPower,
//                panel type's pin family only        ChoosePowerPin
//   16, 17       0 or 1                              SetClockChipSupport,
//                                                    SetUsbSupport
//   45, 46       0, 1 or the list texts              SetPixelDoubling
//   52, 54       0, 90, 180, 270; 1, 2, 4, 8, 16     ChooseSwivelView,
//   53           item (0 to 3) or list text          ChooseColorDepth
//   13, 31, 34,  item or list text                   ChooseClockListItem
//   112, 114
//   12, 111      the divide (1, 2; 1 to 32768)       ChooseClockListItem
//   29, 30       divide 1 to 4; item or list text    ChooseMclkDivide
//   32, 33       divide 1, 2, 3, 4, 8; item or text  ChoosePclkDivideItem
//   15           1 = the "Auto" item, 0 = the        ChoosePclkDivideItem
//                current divide's item
//   113, 115     0, 1 or the list texts              SetPwmClockBox
//   116          a number, clamped with a note       LeaveDutyCycle
//   24           value or list text (0, 1, 2, 4-7)   ChoosePanelType
//   41           width in bits (4/8/16 or 9/12/18)   ChooseFeatureItem (42)
//   the Panel page's features: numbers clamped with a note; lists by item
//   or text; 68 and 74 as their drop-down reads them.
//   Every other setting as the Registers tab would set its bits: an item or
//   list text for a list, hexadecimal for a hex setting, else a decimal
//   number within the setting's bounds (refused with them). A number may
//   also be written in hexadecimal after "0x". Main Start Addr (79)
//   becomes the address the layout keeps; a stride (80) or Auto Stride
//   (18) change, like a start address change, updates the layout; a panel
//   type change through 44 or 82 moves panel power as ChoosePanelType does.
//
// Refused with the reason, whatever the value:
//   - computed settings (10, 11, 19 to 23): recomputed from others;
//   - read-only settings;
//   - a register field whose register has no entry in the configuration's
//     register table: its bits would land in the end marker, which the chip
//     never receives;
//   - Main Addr Offset (80) while Auto Stride is on: the layout replaces it.
EditResult SetSettingText(EditSession& session, std::uint32_t id, std::string_view text);

} // namespace k7r::edit
