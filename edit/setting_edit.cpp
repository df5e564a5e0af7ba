#include "edit/setting_edit.h"

#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "edit/rules/clocks_rules.h"
#include "edit/rules/common_rules.h"
#include "edit/rules/general_rules.h"
#include "edit/rules/panel_features.h"
#include "edit/rules/panel_rules.h"
#include "edit/rules/power_rules.h"
#include "edit/rules/preferences_rules.h"
#include "platform/ascii.h"
#include "regs/field_attributes.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/panel_type.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <bit>
#include <span>
#include <vector>

namespace k7r::edit {
namespace {

// Recomputed from other settings whenever those change.
constexpr std::uint32_t kComputedIds[] = {
    regs::kIdFrameRate, regs::kIdRequiredVram, regs::kIdPixelClock,     regs::kIdMemoryClock,
    regs::kIdBusClock,  regs::kIdPwmClock,     regs::kIdAvailableMemory};
constexpr std::uint32_t kSwivelStep = 90;
constexpr std::uint32_t kNoOption = 0xFFFFFFFF;
constexpr std::uint32_t kPclkDivideAutoItem = 0;
// PIP+ start address and line offset are kept in 32-bit words, set in bytes.
constexpr std::uint32_t kWordSettings[] = {regs::kIdPipStart, regs::kIdPipLineOffset};
constexpr std::uint32_t kBytesPerWord = 4;

std::string ShortName(std::uint32_t id) {
    return regs::FormatFieldName(id, regs::kShortForms | regs::kShowName);
}

std::string_view WithoutSuffix(std::string_view text, std::string_view suffix) {
    if (text.size() >= suffix.size() &&
        platform::EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix)) {
        return text.substr(0, text.size() - suffix.size());
    }
    return text;
}

std::string_view WithoutHexPrefix(std::string_view text) {
    return text.starts_with("0x") || text.starts_with("0X") ? text.substr(2) : text;
}

// A whole number as typed: decimal (the pages' fields), or hexadecimal
// after "0x".
std::optional<std::uint32_t> ReadWhole(std::string_view text) {
    if (WithoutHexPrefix(text).size() != text.size()) {
        return text.size() > 2 ? ReadHexField(text.substr(2)) : std::nullopt;
    }
    const std::optional<MilliValue> value = ReadMilliText(text);
    if (!value || text.find_first_not_of(' ') == std::string_view::npos) {
        return std::nullopt;
    }
    return value->whole;
}

// A list's item: one of its texts in any letter case, or its number.
std::optional<std::uint32_t> ReadItem(EditSession& session, std::uint32_t id,
                                      std::string_view text) {
    for (std::uint32_t item = 0; item < kLongestList; ++item) {
        const std::optional<std::string> listed = regs::GetFieldListText(session.config, id, item);
        if (listed && platform::EqualsIgnoringCase(*listed, text)) {
            return item;
        }
    }
    return ReadWhole(text);
}

// Text that is none of the values a list, option or box offers.
EditResult NotTyped(EditSession& session, std::uint32_t id, std::string_view text,
                    std::string hint) {
    return Refuse(Refusal::NotInList, BadEntryMessage(text, id),
                  regs::GetFieldValue(session.config, id),
                  regs::FormatFieldValue(session.config, id), std::move(hint));
}

// A page rule refused the value it was handed, converted from the text (an
// item, a pin, a number); the refusal quotes what was typed, as the page
// quotes its field's text.
EditResult QuoteTyped(EditResult result, std::uint32_t id, std::string_view text) {
    if (RefusesEntry(result.refusal)) {
        result.message = BadEntryMessage(text, id);
    }
    return result;
}

std::optional<EditResult> RefuseUnchangeable(EditSession& session, std::uint32_t id) {
    const regs::FIELD_DESC& field = regs::kFieldTable[regs::FindField(id)];
    Refusal why = Refusal::Computed;
    std::string reason;
    if (std::ranges::find(kComputedIds, id) != std::end(kComputedIds)) {
        reason = " is computed from other settings and cannot be set.\n";
    } else if (field.Attributes & regs::ffREADONLY) {
        why = Refusal::ReadOnly;
        reason = " is read-only.\n";
    } else if (id == regs::kIdMainLineOffset &&
               regs::GetFieldValue(session.config, regs::kIdAutoStride) != 0) {
        why = Refusal::Locked;
        reason = " follows the display width while Auto Stride is on.\n";
    } else {
        return RefuseWithoutEntry(session, id);
    }
    const std::uint32_t kept = regs::GetFieldValue(session.config, id);
    return Refuse(why, "ERROR: " + ShortName(id) + reason, kept,
                  regs::FormatFieldValue(session.config, id),
                  id == regs::kIdMainLineOffset ? "Switch Auto Stride (18) off first." : "");
}

// A check box's state: 0 or 1, or the setting's list text for them.
std::optional<bool> ReadBox(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<std::uint32_t> item = ReadItem(session, id, text);
    if (!item || *item > 1) {
        return std::nullopt;
    }
    return *item == 1;
}

EditResult SetBox(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<bool> on = ReadBox(session, id, text);
    if (!on) {
        return NotTyped(session, id, text, "Allowed values: 0 (off), 1 (on).");
    }
    switch (id) {
    case regs::kIdClockChip:
        return SetClockChipSupport(session, *on);
    case regs::kIdUsbEnable:
        return SetUsbSupport(session, *on);
    case regs::kIdVertDoubling:
    case regs::kIdHorzDoubling:
        return SetPixelDoubling(session, id, *on);
    case regs::kIdPwmHigh:
    case regs::kIdPwmEnabled:
        return SetPwmClockBox(session, id, *on);
    case regs::kIdAutoStride: {
        const bool changed = regs::SetFieldValue(session.config, id, *on ? 1 : 0);
        if (changed) {
            UpdateDisplayGeometry(session);
        }
        return Finish(session, Written(session, id, changed));
    }
    default: // Auto MCLK Div: no page control of its own
        return Finish(session,
                      Written(session, id, regs::SetFieldValue(session.config, id, *on ? 1 : 0)));
    }
}

EditResult SetPowerMask(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<std::uint32_t> mask = ReadWhole(text);
    const std::uint32_t current = regs::GetFieldValue(session.config, id);
    const bool ownFamily = (id == regs::kIdGpoPowerMask) == PowerThroughGpo(session);
    if (!ownFamily && mask != current) {
        return Refuse(Refusal::Locked,
                      "ERROR: " + ShortName(id) +
                          " is not used while the panel type switches panel power through " +
                          (PowerThroughGpo(session) ? "a GPO pin" : "a GPIO pin") + ".\n",
                      current, std::to_string(current));
    }
    if (!ownFamily || mask == 0u) {
        return ownFamily ? SetPanelPower(session, false) : Written(session, id, false);
    }
    const unsigned pin = mask && std::has_single_bit(*mask) ? std::countr_zero(*mask) : 32;
    return QuoteTyped(ChoosePowerPin(session, pin), id, text);
}

// A setting typed as one of a few values that stand for the items of the
// list a page edits it through (a divide for its ratio list).
struct OptionChoice {
    std::uint32_t value;
    std::uint32_t item;
};
struct ConvertedSetting {
    std::uint32_t list;
    std::vector<OptionChoice> options;
};

ConvertedSetting ConvertedChoices(EditSession& session, std::uint32_t id) {
    switch (id) {
    case regs::kIdBclkDivide:
        return {regs::kIdBclkDivideList, {{1, 0}, {2, 1}}};
    case regs::kIdMclkDivide:
        return {regs::kIdMclkDivideRaw, {{1, 0}, {2, 1}, {3, 2}, {4, 3}}};
    case regs::kIdPclkDivide:
        return {regs::kIdPclkDivideRaw, {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {8, 4}}};
    case regs::kIdDataWidth:
        if (regs::GetFieldValue(session.config, regs::kIdPanelType) == regs::kPanelStn) {
            return {regs::kIdDataWidthRaw, {{4, 0}, {8, 1}, {16, 2}}};
        }
        return {regs::kIdDataWidthRaw, {{9, 0}, {12, 1}, {18, 2}}};
    default: { // PWM clock divide: the powers of two its list offers
        ConvertedSetting pwm{regs::kIdPwmDivideRaw, {}};
        for (std::uint32_t item = 0;
             item <= regs::GetFieldMax(session.config, regs::kIdPwmDivideRaw); ++item) {
            pwm.options.push_back({1u << item, item});
        }
        return pwm;
    }
    }
}

// The page's outcome, told for the setting that was typed.
EditResult AsTyped(EditSession& session, std::uint32_t id, std::string_view text,
                   EditResult result) {
    if (!result.accepted()) {
        return QuoteTyped(result, id, text);
    }
    result.value = regs::GetFieldValue(session.config, id);
    result.shown = regs::FormatFieldValue(session.config, id);
    return result;
}

EditResult ChooseConverted(EditSession& session, std::uint32_t id, std::string_view text) {
    const ConvertedSetting converted = ConvertedChoices(session, id);
    const std::optional<std::uint32_t> value = ReadWhole(text);
    const auto option = std::ranges::find_if(
        converted.options, [&](const OptionChoice& choice) { return value == choice.value; });
    if (option == converted.options.end()) {
        std::string hint = "Allowed values:";
        for (const OptionChoice& choice : converted.options) {
            hint += ' ' + std::to_string(choice.value) + ',';
        }
        hint.back() = '.';
        return NotTyped(session, id, text, hint);
    }
    switch (converted.list) {
    case regs::kIdMclkDivideRaw:
        return AsTyped(session, id, text, ChooseMclkDivide(session, option->item));
    case regs::kIdPclkDivideRaw:
        return AsTyped(session, id, text, ChoosePclkDivideItem(session, option->item + 1));
    case regs::kIdDataWidthRaw:
        return AsTyped(session, id, text, ChooseFeatureItem(session, converted.list, option->item));
    default:
        return AsTyped(session, id, text,
                       ChooseClockListItem(session, converted.list, option->item));
    }
}

EditResult ChooseItem(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<std::uint32_t> item = ReadItem(session, id, text);
    if (!item) {
        return NotTyped(session, id, text, ListHint(session, id));
    }
    EditResult result;
    switch (id) {
    case regs::kIdPanelType:
        result = ChoosePanelType(session, *item);
        break;
    case regs::kIdMclkDivideRaw:
        result = ChooseMclkDivide(session, *item);
        break;
    case regs::kIdPclkDivideRaw:
        result = ChoosePclkDivideItem(session, *item + 1);
        break;
    case regs::kIdSwivelViewRaw:
        if (std::optional<EditResult> refused = RefuseUnlisted(session, id, *item)) {
            result = *refused;
        } else {
            result = ChooseSwivelView(session, *item * kSwivelStep);
        }
        break;
    case regs::kIdBclkDivideList:
    case regs::kIdBclkSource:
    case regs::kIdPclkSource:
    case regs::kIdPwmDivideRaw:
    case regs::kIdPwmSource:
        result = ChooseClockListItem(session, id, *item);
        break;
    default: // the Panel page's list features
        result = ChooseFeatureItem(session, id, *item);
    }
    return QuoteTyped(result, id, text);
}

// Auto PCLK Div on is the divide list's "Auto" item; off, the item of the
// divide now set.
EditResult SetAutoPclkDivide(EditSession& session, std::string_view text) {
    const std::optional<bool> on = ReadBox(session, regs::kIdAutoPclkDivide, text);
    if (!on) {
        return NotTyped(session, regs::kIdAutoPclkDivide, text, "Allowed values: 0 (off), 1 (on).");
    }
    const std::uint32_t item =
        *on ? kPclkDivideAutoItem : regs::GetFieldValue(session.config, regs::kIdPclkDivideRaw) + 1;
    return AsTyped(session, regs::kIdAutoPclkDivide, text, ChoosePclkDivideItem(session, item));
}

EditResult SetFeature(EditSession& session, const Feature& feature, std::string_view text) {
    switch (feature.editor) {
    case FeatureEditor::Number:
        return LeaveFeatureNumber(session, feature.id, text);
    case FeatureEditor::DropDown:
        return LeaveFeatureDropDown(session, feature.id, text);
    case FeatureEditor::List:
        break;
    }
    return ChooseItem(session, feature.id, text);
}

// A setting no page control edits: its bits as the Registers tab sets them,
// within the setting's bounds, with the layout and power pin follow-ups
// that the settings it feeds call for.
EditResult SetRegisterSetting(EditSession& session, std::uint32_t id, std::string_view text) {
    config::WorkingConfig& config = session.config;
    const regs::FIELD_DESC& field = regs::kFieldTable[regs::FindField(id)];
    std::optional<std::uint32_t> value;
    if ((field.Attributes & regs::ffLIST) && field.ListText) {
        value = ReadItem(session, id, text);
        if (!value) {
            return NotTyped(session, id, text, ListHint(session, id));
        }
        if (std::optional<EditResult> refused = RefuseUnlisted(session, id, *value)) {
            return QuoteTyped(*refused, id, text);
        }
    } else {
        const bool inWords = std::ranges::find(kWordSettings, id) != std::end(kWordSettings);
        const std::uint32_t min = regs::GetFieldMin(config, id);
        const std::uint32_t max = regs::GetFieldMax(config, id) * (inWords ? kBytesPerWord : 1);
        value = (field.Attributes & regs::ffHEX) ? ReadHexField(WithoutHexPrefix(text))
                                                 : ReadWhole(text);
        if (!value || *value < min || *value > max) {
            return Refuse(value ? Refusal::OutOfRange : Refusal::NotANumber,
                          BadEntryMessage(text, id, min, max), regs::GetFieldValue(config, id),
                          regs::FormatFieldValue(config, id));
        }
    }
    const std::uint32_t oldType = regs::GetFieldValue(config, regs::kIdPanelType);
    const bool changed = regs::SetFieldValue(config, id, *value);
    std::string warning;
    if (regs::GetFieldValue(config, regs::kIdPanelType) != oldType) {
        warning = SwitchPowerPinFamily(session, oldType);
    }
    if (id == regs::kIdMainStart) {
        RememberMainStart(session);
    }
    if (changed && (id == regs::kIdMainStart || id == regs::kIdMainLineOffset)) {
        UpdateDisplayGeometry(session);
    }
    EditResult result = Written(session, id, changed);
    result.message = warning;
    return Finish(session, result);
}

} // namespace

EditResult SetSettingText(EditSession& session, std::uint32_t id, std::string_view text) {
    if (regs::FindField(id) == regs::kFieldCount) {
        return Refuse(Refusal::UnknownSetting,
                      "ERROR: no setting has the id " + std::to_string(id) + ".\n", 0, "");
    }
    if (id != regs::kIdPanelType) {
        if (std::optional<EditResult> refused = RefuseUnchangeable(session, id)) {
            return *refused;
        }
    }
    switch (id) {
    case regs::kIdDescription:
        return LeaveDescription(session, text);
    case regs::kIdClkI:
    case regs::kIdClkI2:
        return QuoteTyped(EnterInputClock(session, id, WithoutSuffix(text, "MHz")), id, text);
    case regs::kIdRegPhysAddr:
    case regs::kIdMemPhysAddr:
        return QuoteTyped(EnterAddress(session, id, WithoutHexPrefix(text)), id, text);
    case regs::kIdPowerOffTime:
    case regs::kIdPowerOnTime:
        return LeavePowerDelay(session, id, text);
    case regs::kIdGpioPowerMask:
    case regs::kIdGpoPowerMask:
        return SetPowerMask(session, id, text);
    case regs::kIdAutoMclkDivide:
    case regs::kIdClockChip:
    case regs::kIdUsbEnable:
    case regs::kIdAutoStride:
    case regs::kIdVertDoubling:
    case regs::kIdHorzDoubling:
    case regs::kIdPwmHigh:
    case regs::kIdPwmEnabled:
        return SetBox(session, id, text);
    case regs::kIdAutoPclkDivide:
        return SetAutoPclkDivide(session, text);
    case regs::kIdBclkDivide:
    case regs::kIdMclkDivide:
    case regs::kIdPclkDivide:
    case regs::kIdDataWidth:
    case regs::kIdPwmDivide:
        return ChooseConverted(session, id, text);
    case regs::kIdSwivelView:
    case regs::kIdBitsPerPixel: {
        // Unreadable text is no option either: the option's refusal follows.
        const std::uint32_t value = ReadItem(session, id, text).value_or(kNoOption);
        return QuoteTyped(id == regs::kIdSwivelView ? ChooseSwivelView(session, value)
                                                    : ChooseColorDepth(session, value),
                          id, text);
    }
    case regs::kIdDutyCycle:
        return LeaveDutyCycle(session, text);
    case regs::kIdPanelType:
    case regs::kIdBclkDivideList:
    case regs::kIdBclkSource:
    case regs::kIdPclkSource:
    case regs::kIdPclkDivideRaw:
    case regs::kIdMclkDivideRaw:
    case regs::kIdSwivelViewRaw:
    case regs::kIdPwmDivideRaw:
    case regs::kIdPwmSource:
        return ChooseItem(session, id, text);
    default:
        if (const Feature* feature = FindFeature(id)) {
            return SetFeature(session, *feature, text);
        }
        return SetRegisterSetting(session, id, text);
    }
}

} // namespace k7r::edit
