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
#include "regs/field_attributes.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/panel_type.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <span>
#include <vector>

namespace k7r::edit {
namespace {

// Recomputed from other settings whenever those change.
constexpr std::uint32_t kComputedIds[] = {kIdFrameRate,      kIdRequiredVram, kIdPixelClock,
                                          kIdMemoryClock,    kIdBusClock,     kIdPwmClock,
                                          kIdAvailableMemory};
constexpr std::uint32_t kSwivelStep = 90;
constexpr std::uint32_t kNoOption = 0xFFFFFFFF;
constexpr std::uint32_t kPclkDivideAutoItem = 0;
// PIP+ start address and line offset are kept in 32-bit words, set in bytes.
constexpr std::uint32_t kWordSettings[] = {kIdPipStart, kIdPipLineOffset};
constexpr std::uint32_t kBytesPerWord = 4;

std::string ShortName(std::uint32_t id) {
    return FormatFieldName(id, kShortForms | kShowName);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view WithoutSuffix(std::string_view text, std::string_view suffix) {
    if (text.size() >= suffix.size() &&
        EqualNoCase(text.substr(text.size() - suffix.size()), suffix)) {
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
        return text.size() > 2 ? ReadHexText(text.substr(2)) : std::nullopt;
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
        const std::optional<std::string> listed = GetFieldListText(session.config, id, item);
        if (listed && EqualNoCase(*listed, text)) {
            return item;
        }
    }
    return ReadWhole(text);
}

EditResult NotTyped(EditSession& session, std::uint32_t id, std::string_view text,
                    std::string hint) {
    return Refusal(BadEntryMessage(text, id), GetFieldValue(session.config, id),
                   FormatFieldValue(session.config, id), std::move(hint));
}

// A page rule refused the value it was handed; the refusal quotes what was
// typed, as the page quotes its field's text.
EditResult QuoteTyped(EditResult result, std::uint32_t id, std::string_view text) {
    const std::string unquoted = "\" is not a valid " + ShortName(id) + "!\n";
    if (!result.accepted && result.message.starts_with("ERROR: \"") &&
        result.message.ends_with(unquoted)) {
        result.message = BadEntryMessage(text, id);
    }
    return result;
}

std::optional<EditResult> RefuseUnchangeable(EditSession& session, std::uint32_t id) {
    const FIELD_DESC& field = kFieldTable[FindField(id)];
    std::string reason;
    if (std::ranges::find(kComputedIds, id) != std::end(kComputedIds)) {
        reason = " is computed from other settings and cannot be set.\n";
    } else if (field.Attributes & ffREADONLY) {
        reason = " is read-only.\n";
    } else if (id == kIdMainLineOffset && GetFieldValue(session.config, kIdAutoStride) != 0) {
        reason = " follows the display width while Auto Stride is on.\n";
    } else {
        return RefuseWithoutEntry(session, id);
    }
    const std::uint32_t kept = GetFieldValue(session.config, id);
    return Refusal("ERROR: " + ShortName(id) + reason, kept, FormatFieldValue(session.config, id),
                   id == kIdMainLineOffset ? "Switch Auto Stride (18) off first." : "");
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
    case kIdClockChip:
        return SetClockChipSupport(session, *on);
    case kIdUsbEnable:
        return SetUsbSupport(session, *on);
    case kIdVertDoubling:
    case kIdHorzDoubling:
        return SetPixelDoubling(session, id, *on);
    case kIdPwmHigh:
    case kIdPwmEnabled:
        return SetPwmClockBox(session, id, *on);
    case kIdAutoStride: {
        const bool changed = SetFieldValue(session.config, id, *on ? 1 : 0);
        if (changed) {
            UpdateDisplayGeometry(session);
        }
        return Finish(session, Written(session, id, changed));
    }
    default: // Auto MCLK Div: no page control of its own
        return Finish(session,
                      Written(session, id, SetFieldValue(session.config, id, *on ? 1 : 0)));
    }
}

EditResult SetPowerMask(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<std::uint32_t> mask = ReadWhole(text);
    const std::uint32_t current = GetFieldValue(session.config, id);
    const bool ownFamily = (id == kIdGpoPowerMask) == PowerThroughGpo(session);
    if (!ownFamily && mask != current) {
        return Refusal("ERROR: " + ShortName(id) +
                           " is not used while the panel type switches "
                           "panel power through " +
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
    case kIdBclkDivide:
        return {kIdBclkDivideList, {{1, 0}, {2, 1}}};
    case kIdMclkDivide:
        return {kIdMclkDivideRaw, {{1, 0}, {2, 1}, {3, 2}, {4, 3}}};
    case kIdPclkDivide:
        return {kIdPclkDivideRaw, {{1, 0}, {2, 1}, {3, 2}, {4, 3}, {8, 4}}};
    case kIdDataWidth:
        if (GetFieldValue(session.config, kIdPanelType) == kPanelStn) {
            return {kIdDataWidthRaw, {{4, 0}, {8, 1}, {16, 2}}};
        }
        return {kIdDataWidthRaw, {{9, 0}, {12, 1}, {18, 2}}};
    default: { // PWM clock divide: the powers of two its list offers
        ConvertedSetting pwm{kIdPwmDivideRaw, {}};
        for (std::uint32_t item = 0; item <= GetFieldMax(session.config, kIdPwmDivideRaw); ++item) {
            pwm.options.push_back({1u << item, item});
        }
        return pwm;
    }
    }
}

// The page's outcome, told for the setting that was typed.
EditResult AsTyped(EditSession& session, std::uint32_t id, std::string_view text,
                   EditResult result) {
    if (!result.accepted) {
        return QuoteTyped(result, id, text);
    }
    result.value = GetFieldValue(session.config, id);
    result.shown = FormatFieldValue(session.config, id);
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
    case kIdMclkDivideRaw:
        return AsTyped(session, id, text, ChooseMclkDivide(session, option->item));
    case kIdPclkDivideRaw:
        return AsTyped(session, id, text, ChoosePclkDivideItem(session, option->item + 1));
    case kIdDataWidthRaw:
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
    case kIdPanelType:
        result = ChoosePanelType(session, *item);
        break;
    case kIdMclkDivideRaw:
        result = ChooseMclkDivide(session, *item);
        break;
    case kIdPclkDivideRaw:
        result = ChoosePclkDivideItem(session, *item + 1);
        break;
    case kIdSwivelViewRaw:
        if (std::optional<EditResult> refused = RefuseUnlisted(session, id, *item)) {
            result = *refused;
        } else {
            result = ChooseSwivelView(session, *item * kSwivelStep);
        }
        break;
    case kIdBclkDivideList:
    case kIdBclkSource:
    case kIdPclkSource:
    case kIdPwmDivideRaw:
    case kIdPwmSource:
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
    const std::optional<bool> on = ReadBox(session, kIdAutoPclkDivide, text);
    if (!on) {
        return NotTyped(session, kIdAutoPclkDivide, text, "Allowed values: 0 (off), 1 (on).");
    }
    const std::uint32_t item =
        *on ? kPclkDivideAutoItem : GetFieldValue(session.config, kIdPclkDivideRaw) + 1;
    return AsTyped(session, kIdAutoPclkDivide, text, ChoosePclkDivideItem(session, item));
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
    const FIELD_DESC& field = kFieldTable[FindField(id)];
    std::optional<std::uint32_t> value;
    if ((field.Attributes & ffLIST) && field.ListText) {
        value = ReadItem(session, id, text);
        if (!value) {
            return NotTyped(session, id, text, ListHint(session, id));
        }
        if (std::optional<EditResult> refused = RefuseUnlisted(session, id, *value)) {
            return QuoteTyped(*refused, id, text);
        }
    } else {
        const bool inWords = std::ranges::find(kWordSettings, id) != std::end(kWordSettings);
        const std::uint32_t min = GetFieldMin(config, id);
        const std::uint32_t max = GetFieldMax(config, id) * (inWords ? kBytesPerWord : 1);
        value = (field.Attributes & ffHEX) ? ReadHexText(WithoutHexPrefix(text)) : ReadWhole(text);
        if (!value || *value < min || *value > max) {
            return Refusal(BadEntryMessage(text, id, min, max), GetFieldValue(config, id),
                           FormatFieldValue(config, id));
        }
    }
    const std::uint32_t oldType = GetFieldValue(config, kIdPanelType);
    const bool changed = SetFieldValue(config, id, *value);
    std::string warning;
    if (GetFieldValue(config, kIdPanelType) != oldType) {
        warning = SwitchPowerPinFamily(session, oldType);
    }
    if (id == kIdMainStart) {
        RememberMainStart(session);
    }
    if (changed && (id == kIdMainStart || id == kIdMainLineOffset)) {
        UpdateDisplayGeometry(session);
    }
    EditResult result = Written(session, id, changed);
    result.message = warning;
    return Finish(session, result);
}

} // namespace

EditResult SetSettingText(EditSession& session, std::uint32_t id, std::string_view text) {
    if (FindField(id) == kFieldCount) {
        return Refusal("ERROR: no setting has the id " + std::to_string(id) + ".\n", 0, "");
    }
    if (id != kIdPanelType) {
        if (std::optional<EditResult> refused = RefuseUnchangeable(session, id)) {
            return *refused;
        }
    }
    switch (id) {
    case kIdDescription:
        return LeaveDescription(session, text);
    case kIdClkI:
    case kIdClkI2:
        return QuoteTyped(EnterInputClock(session, id, WithoutSuffix(text, "MHz")), id, text);
    case kIdRegPhysAddr:
    case kIdMemPhysAddr:
        return QuoteTyped(EnterAddress(session, id, WithoutHexPrefix(text)), id, text);
    case kIdPowerOffTime:
    case kIdPowerOnTime:
        return LeavePowerDelay(session, id, text);
    case kIdGpioPowerMask:
    case kIdGpoPowerMask:
        return SetPowerMask(session, id, text);
    case kIdAutoMclkDivide:
    case kIdClockChip:
    case kIdUsbEnable:
    case kIdAutoStride:
    case kIdVertDoubling:
    case kIdHorzDoubling:
    case kIdPwmHigh:
    case kIdPwmEnabled:
        return SetBox(session, id, text);
    case kIdAutoPclkDivide:
        return SetAutoPclkDivide(session, text);
    case kIdBclkDivide:
    case kIdMclkDivide:
    case kIdPclkDivide:
    case kIdDataWidth:
    case kIdPwmDivide:
        return ChooseConverted(session, id, text);
    case kIdSwivelView:
    case kIdBitsPerPixel: {
        // Unreadable text is no option either: the option's refusal follows.
        const std::uint32_t value = ReadItem(session, id, text).value_or(kNoOption);
        return QuoteTyped(id == kIdSwivelView ? ChooseSwivelView(session, value)
                                              : ChooseColorDepth(session, value),
                          id, text);
    }
    case kIdDutyCycle:
        return LeaveDutyCycle(session, text);
    case kIdPanelType:
    case kIdBclkDivideList:
    case kIdBclkSource:
    case kIdPclkSource:
    case kIdPclkDivideRaw:
    case kIdMclkDivideRaw:
    case kIdSwivelViewRaw:
    case kIdPwmDivideRaw:
    case kIdPwmSource:
        return ChooseItem(session, id, text);
    default:
        if (const Feature* feature = FindFeature(id)) {
            return SetFeature(session, *feature, text);
        }
        return SetRegisterSetting(session, id, text);
    }
}

} // namespace k7r::edit
