#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"

#include <cstdint>
#include <string>
#include <string_view>

// The Clocks page's rules: input clocks, clock sources and divides, and the
// PWM clock. After every change that alters a setting the frame rate is
// stored again: Frame Rate (10) = Pixel Clock (19) / (Vert Total (73) x
// Horz Total (67)).
namespace k7r::edit {

// The input clocks the fields accept, in thousandths of a MHz.
inline constexpr std::uint32_t kInputClockMinKhz = 391;
inline constexpr std::uint32_t kInputClockMaxKhz = 120000;

// Leaving the CLKI (setting 2) or CLKI2 (3) field: read with ReadMilliText
// as MHz; no number, or one below 0.391 or above 120.000 MHz, is refused
// with "ERROR: \"%s\" is not a valid %s!\n". Otherwise the setting becomes
// the frequency in Hz and the field shows it as "%u.%03u".
EditResult EnterInputClock(EditSession& session, std::uint32_t id, std::string_view text);

// A drop-down list whose selected index is its setting's value: 34 "PCLK
// Src", 31 "BCLK Src", 13 "BCLK Div", 114 "PWMCLK Src", 112 "PWMCLK Div".
// An index the list does not have is refused with the list.
EditResult ChooseClockListItem(EditSession& session, std::uint32_t id, std::uint32_t index);

// The PCLK divide list: its first item "Auto" switches setting 15 "Auto PCLK
// Div" on; item n > 0 sets 33 "PCLK Div" to n - 1 and switches 15 off.
EditResult ChoosePclkDivideItem(EditSession& session, std::uint32_t item);
// The item the list selects: 0 while 15 is on, else setting 33 + 1.
std::uint32_t PclkDivideItem(EditSession& session);

// The MCLK divide list: setting 30 = index, and 14 "Auto MCLK Div" off.
EditResult ChooseMclkDivide(EditSession& session, std::uint32_t index);

// "Enable" (setting 115) and "Force high" (113) of the PWM clock.
EditResult SetPwmClockBox(EditSession& session, std::uint32_t id, bool on);

// Leaving the duty cycle field: a number editor for setting 116 (see
// ReadClampedNumber): no number is refused, a value beyond the bounds is
// set to the nearer one with "NOTE: The %s was set to the closest
// allowable value.\n". The field shows "%u".
EditResult LeaveDutyCycle(EditSession& session, std::string_view text);

// The duty cycle slider: setting 116 = its position.
EditResult MoveDutyCycle(EditSession& session, std::uint32_t position);

// The page's frequency texts (regs::FrequencyText).
struct ClockTexts {
    std::string clkiActual;
    std::string clki2Actual;
    std::string pixelClock;
    std::string busClock;
    std::string memoryClock;
    // " Forced High" while setting 113 "PWMCLK High" is on.
    std::string pwmClock;
};
ClockTexts FrequencyTexts(EditSession& session);

} // namespace k7r::edit
