#pragma once

#include "edit/edit_result.h"
#include "edit/edit_session.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The General page's rules: where the chip sits in the target's address
// space (settings 4 "Phys Reg Addr" and 5 "Phys Buff Addr"), and the USB and
// clock chip support that reserve GPIO pins.
namespace k7r::edit {

// The platform table's rows, in the page's order.
enum class Platform { Tavex, DragonBall, Idp68000, Idp68030, Sh3Lcevb, RedCap, UserDefined };
inline constexpr std::size_t kPlatformCount = 7;

struct PlatformAddresses {
    std::uint32_t registers;
    std::uint32_t buffer;
};

// A row's addresses; the User-Defined row's are the ones last typed.
PlatformAddresses AddressesOf(const EditSession& session, Platform platform);

// Worked out from the addresses each time the page opens: the first row, in
// table order, whose addresses equal settings 4 and 5; User-Defined when no
// fixed row does.
Platform CurrentPlatform(EditSession& session);

// What the address field of setting 4 or 5 shows while the platform is
// chosen: "PCI bus" for the first row (addresses assigned by the system),
// else "%08X". The choice, not the addresses, decides: User-Defined with
// addresses of 0 shows them.
std::string AddressText(EditSession& session, Platform chosen, std::uint32_t id);

// Choosing another platform writes its addresses to settings 4 and 5.
EditResult ChoosePlatform(EditSession& session, Platform platform);

// Leaving the address field of setting 4 or 5 (User-Defined only): the text
// is read as hexadecimal (ReadHexField); a bad one is refused with
// "ERROR: \"%s\" is not a valid %s!\n". Otherwise the value is kept in the
// User-Defined row, written, and shown as "%08X".
EditResult EnterAddress(EditSession& session, std::uint32_t id, std::string_view text);

// "Enable USB support": setting 17 takes the box's state. Switching it on
// while panel power uses GPIO 4 to 7 (setting 8 has any of bits 4 to 7) and
// setting 44 is not 2 switches GPIO power off (setting 8 = 0) with
// "Warning: GPIO Power was disabled because of a conflict; USB reserves
// GPIO[7:4].\n". The page reports when setting 17 changed or it warned.
EditResult SetUsbSupport(EditSession& session, bool on);

// "Enable clock chip support": setting 16 takes the box's state. Switching
// it on while panel power uses GPIO 1 to 3 switches GPIO power off with
// "Warning: GPIO Power was disabled because of a conflict; clock chip
// reserves GPIO[3:1].\n". Refused while the box is locked (below).
EditResult SetClockChipSupport(EditSession& session, bool on);

// The clock chip box is cleared and disabled while setting 44 (the
// register's panel type) is 2, 3, 4 or 6: the HR-TFT interface holds the
// clock chip's pins.
bool ClockChipSupportLocked(EditSession& session);

} // namespace k7r::edit
