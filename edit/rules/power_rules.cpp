#include "edit/rules/power_rules.h"

#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "edit/rules/common_rules.h"
#include "regs/field_values.h"
#include "regs/panel_type.h"
#include "regs/setting_ids.h"

namespace k7r::edit {
namespace {

constexpr std::uint32_t kMaxPowerDelay = 65535;
constexpr std::uint32_t kClockChipPins = 0x0E; // GPIO[3:1]
constexpr std::uint32_t kUsbPins = 0xF0;       // GPIO[7:4]
// GPO pins 8 to 10 have no GPIO pin of the same number.
constexpr std::uint32_t kFirstGpoOnlyPin = 0x100;
constexpr std::uint32_t kPinZero = 1;
// The composite panel type whose GPO pins 1 to 10 carry panel signals.
constexpr std::uint32_t kGpoSignalPanelType = 4;

std::uint32_t MaskId(EditSession& session) {
    return PowerThroughGpo(session) ? regs::kIdGpoPowerMask : regs::kIdGpioPowerMask;
}

std::uint32_t& LastPin(EditSession& session) {
    return PowerThroughGpo(session) ? session.lastGpoPin : session.lastGpioPin;
}

std::string AllowedPins(EditSession& session) {
    std::string hint = "Allowed values: 0 (off),";
    const unsigned pins = PowerThroughGpo(session) ? kGpoPinCount : kGpioPinCount;
    for (unsigned pin = 0; pin < pins; ++pin) {
        if (PowerPinAllowed(session, pin)) {
            hint += ' ' + std::to_string(1u << pin) + " (pin " + std::to_string(pin) + "),";
        }
    }
    hint.back() = '.';
    return hint;
}

EditResult WriteMask(EditSession& session, std::uint32_t mask) {
    const std::uint32_t id = MaskId(session);
    return Finish(session, Written(session, id, regs::SetFieldValue(session.config, id, mask)));
}

} // namespace

std::string SwitchPowerPinFamily(EditSession& session, std::uint32_t oldType) {
    config::WorkingConfig& config = session.config;
    const bool wasGpo = regs::PanelUsesGpio(oldType);
    const bool isGpo = regs::PanelUsesGpio(regs::GetFieldValue(config, regs::kIdPanelType));
    const std::uint32_t gpioMask = regs::GetFieldValue(config, regs::kIdGpioPowerMask) & 0xFF;
    if (isGpo && !wasGpo) {
        if (gpioMask != 0) {
            regs::SetFieldValue(config, regs::kIdGpoPowerMask, kPinZero);
        }
    } else if (!isGpo && wasGpo) {
        if (regs::GetFieldValue(config, regs::kIdGpoPowerMask) < kFirstGpoOnlyPin) {
            regs::SetFieldValue(config, regs::kIdGpioPowerMask, kPinZero);
        } else if ((regs::GetFieldValue(config, regs::kIdUsbEnable) != 0 &&
                    (gpioMask & kUsbPins) != 0) ||
                   (regs::GetFieldValue(config, regs::kIdClockChip) != 0 &&
                    (gpioMask & kClockChipPins) != 0)) {
            regs::SetFieldValue(config, regs::kIdGpioPowerMask, 0);
            return "Warning: GPIO Power was disabled because of a clock chip or USB conflict.\n";
        }
    }
    return {};
}

bool PowerThroughGpo(EditSession& session) {
    return regs::PanelUsesGpio(regs::GetFieldValue(session.config, regs::kIdPanelType));
}

void OpenPowerPage(EditSession& session) {
    const std::uint32_t gpio = regs::GetFieldValue(session.config, regs::kIdGpioPowerMask);
    const std::uint32_t gpo = regs::GetFieldValue(session.config, regs::kIdGpoPowerMask);
    session.lastGpioPin = gpio != 0 ? gpio : 1;
    session.lastGpoPin = gpo != 0 ? gpo : 1;
}

EditResult SetPanelPower(EditSession& session, bool on) {
    return WriteMask(session, on ? LastPin(session) : 0);
}

bool PowerPinAllowed(EditSession& session, unsigned pin) {
    config::WorkingConfig& config = session.config;
    if (PowerThroughGpo(session)) {
        return pin < kGpoPinCount &&
               (pin == 0 || regs::GetFieldValue(config, regs::kIdPanelType) != kGpoSignalPanelType);
    }
    if (pin >= kGpioPinCount) {
        return false;
    }
    const std::uint32_t bit = 1u << pin;
    if (bit & kClockChipPins) {
        return regs::GetFieldValue(config, regs::kIdClockChip) == 0;
    }
    if (bit & kUsbPins) {
        return regs::GetFieldValue(config, regs::kIdUsbEnable) == 0;
    }
    return true;
}

EditResult ChoosePowerPin(EditSession& session, unsigned pin) {
    if (!PowerPinAllowed(session, pin)) {
        const std::uint32_t id = MaskId(session);
        const std::uint32_t kept = regs::GetFieldValue(session.config, id);
        const std::uint32_t asked = pin < 32 ? 1u << pin : 0;
        return Refuse(Refusal::NotInList, BadEntryMessage(std::to_string(asked), id), kept,
                      std::to_string(kept), AllowedPins(session));
    }
    LastPin(session) = 1u << pin;
    return WriteMask(session, 1u << pin);
}

EditResult LeavePowerDelay(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<MilliValue> typed = ReadMilliText(text);
    if (!typed || typed->whole > kMaxPowerDelay) {
        const std::uint32_t kept = regs::GetFieldValue(session.config, id);
        return Refuse(typed ? Refusal::OutOfRange : Refusal::NotANumber, BadEntryMessage(text, id),
                      kept, std::to_string(kept), "A number of milliseconds from 0 to 65535.");
    }
    EditResult result = Written(session, id, regs::SetFieldValue(session.config, id, typed->whole));
    return Finish(session, result);
}

} // namespace k7r::edit
