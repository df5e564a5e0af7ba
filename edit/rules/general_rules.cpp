#include "edit/rules/general_rules.h"

#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "edit/rules/common_rules.h"
#include "regs/field_names.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace k7r::edit {
namespace {

// Register and display buffer addresses of the fixed rows, in table order.
constexpr std::array<PlatformAddresses, kPlatformCount - 1> kFixedPlatforms = {{
    {0x00000000, 0x00000000}, // Tavex M2P58C22R01A/R01B: assigned by the system
    {0x1F000000, 0x1F200000}, // Motorola "DragonBall"
    {0x00F80000, 0x00F00000}, // Motorola IDP68000
    {0x10A00000, 0x10E00000}, // Motorola IDP68030
    {0x14000000, 0x04000000}, // Hitachi SH-3 LCEVB
    {0x41000000, 0x41080000}, // Motorola DSP56654 ("RedCap")
}};

constexpr std::uint32_t kUsbPins = 0xF0;       // GPIO[7:4]
constexpr std::uint32_t kClockChipPins = 0x0E; // GPIO[3:1]
// Setting 44 values for which the clock chip box is locked.
constexpr std::uint32_t kClockChipLockingTypes[] = {2, 3, 4, 6};
// The USB conflict is not resolved while setting 44 holds this value.
constexpr std::uint32_t kUsbKeepsPowerType = 2;

std::string Hex8(std::uint32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

// A box that reserves GPIO pins: the panel power pin gives way to it.
EditResult SetReservingBox(EditSession& session, std::uint32_t id, bool on, bool conflict,
                           const char* warning) {
    config::WorkingConfig& config = session.config;
    EditResult result;
    if (on && conflict) {
        regs::SetFieldValue(config, regs::kIdGpioPowerMask, 0);
        result.message = warning;
    }
    result.changed = regs::SetFieldValue(config, id, on ? 1 : 0) || !result.message.empty();
    result.value = regs::GetFieldValue(config, id);
    result.shown = std::to_string(result.value);
    return Finish(session, result);
}

} // namespace

PlatformAddresses AddressesOf(const EditSession& session, Platform platform) {
    if (platform == Platform::UserDefined) {
        return {session.userRegisterAddress, session.userBufferAddress};
    }
    return kFixedPlatforms[static_cast<std::size_t>(platform)];
}

Platform CurrentPlatform(EditSession& session) {
    const std::uint32_t registers = regs::GetFieldValue(session.config, regs::kIdRegPhysAddr);
    const std::uint32_t buffer = regs::GetFieldValue(session.config, regs::kIdMemPhysAddr);
    for (std::size_t row = 0; row < kFixedPlatforms.size(); ++row) {
        if (kFixedPlatforms[row].registers == registers && kFixedPlatforms[row].buffer == buffer) {
            return static_cast<Platform>(row);
        }
    }
    return Platform::UserDefined;
}

std::string AddressText(EditSession& session, Platform chosen, std::uint32_t id) {
    if (chosen == Platform::Tavex) {
        return "PCI bus";
    }
    return Hex8(regs::GetFieldValue(session.config, id));
}

EditResult ChoosePlatform(EditSession& session, Platform platform) {
    EditResult result;
    if (platform != CurrentPlatform(session)) {
        const PlatformAddresses addresses = AddressesOf(session, platform);
        result.changed =
            regs::SetFieldValue(session.config, regs::kIdRegPhysAddr, addresses.registers);
        result.changed |=
            regs::SetFieldValue(session.config, regs::kIdMemPhysAddr, addresses.buffer);
    }
    result.value = regs::GetFieldValue(session.config, regs::kIdRegPhysAddr);
    result.shown = AddressText(session, platform, regs::kIdRegPhysAddr);
    return Finish(session, result);
}

EditResult EnterAddress(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<std::uint32_t> address = ReadHexField(text);
    if (!address) {
        const std::uint32_t kept = regs::GetFieldValue(session.config, id);
        return Refuse(Refusal::NotANumber, BadEntryMessage(text, id), kept, Hex8(kept),
                      "A hexadecimal address, such as 1F000000.");
    }
    (id == regs::kIdRegPhysAddr ? session.userRegisterAddress : session.userBufferAddress) =
        *address;
    EditResult result;
    result.changed = regs::SetFieldValue(session.config, id, *address);
    result.value = *address;
    result.shown = Hex8(*address);
    return Finish(session, result);
}

EditResult SetUsbSupport(EditSession& session, bool on) {
    config::WorkingConfig& config = session.config;
    const bool conflict =
        (regs::GetFieldValue(config, regs::kIdGpioPowerMask) & kUsbPins) != 0 &&
        regs::GetFieldValue(config, regs::kIdBasicPanelType) != kUsbKeepsPowerType;
    return SetReservingBox(
        session, regs::kIdUsbEnable, on, conflict,
        "Warning: GPIO Power was disabled because of a conflict; USB reserves GPIO[7:4].\n");
}

EditResult SetClockChipSupport(EditSession& session, bool on) {
    config::WorkingConfig& config = session.config;
    if (ClockChipSupportLocked(session)) {
        const std::uint32_t kept = regs::GetFieldValue(config, regs::kIdClockChip);
        return Refuse(
            Refusal::Locked,
            "ERROR: " +
                regs::FormatFieldName(regs::kIdClockChip, regs::kShortForms | regs::kShowName) +
                " cannot be changed while the HR-TFT interface holds GPIO[3:0].\n",
            kept, std::to_string(kept));
    }
    const bool conflict =
        (regs::GetFieldValue(config, regs::kIdGpioPowerMask) & kClockChipPins) != 0;
    return SetReservingBox(
        session, regs::kIdClockChip, on, conflict,
        "Warning: GPIO Power was disabled because of a conflict; clock chip reserves GPIO[3:1].\n");
}

bool ClockChipSupportLocked(EditSession& session) {
    const std::uint32_t type = regs::GetFieldValue(session.config, regs::kIdBasicPanelType);
    return std::ranges::find(kClockChipLockingTypes, type) != std::end(kClockChipLockingTypes);
}

} // namespace k7r::edit
