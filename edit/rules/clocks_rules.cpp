#include "edit/rules/clocks_rules.h"

#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "edit/rules/common_rules.h"
#include "regs/clock_tree.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

namespace k7r::edit {
namespace {

constexpr std::uint32_t kPclkDivideAutoItem = 0;

EditResult AfterChange(EditSession& session, std::uint32_t id, bool changed,
                       std::string message = {}) {
    if (changed) {
        RefreshFrameRate(session);
    }
    EditResult result = Written(session, id, changed);
    result.message = std::move(message);
    return Finish(session, result);
}

} // namespace

EditResult EnterInputClock(EditSession& session, std::uint32_t id, std::string_view text) {
    const std::optional<MilliValue> mhz = ReadMilliText(text);
    if (!mhz || mhz->milli < kInputClockMinKhz || mhz->milli > kInputClockMaxKhz) {
        const std::uint32_t kept = regs::GetFieldValue(session.config, id);
        return Refuse(mhz ? Refusal::OutOfRange : Refusal::NotANumber, BadEntryMessage(text, id),
                      kept, FormatMhz(kept),
                      "A frequency in MHz from 0.391 to 120.000, such as 25.175.");
    }
    const auto hz = static_cast<std::uint32_t>(mhz->milli * 1000);
    EditResult result = AfterChange(session, id, regs::SetFieldValue(session.config, id, hz));
    result.shown = FormatMhz(hz);
    return result;
}

EditResult ChooseClockListItem(EditSession& session, std::uint32_t id, std::uint32_t index) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return *refused;
    }
    if (std::optional<EditResult> refused = RefuseUnlisted(session, id, index)) {
        return *refused;
    }
    return AfterChange(session, id, regs::SetFieldValue(session.config, id, index));
}

EditResult ChoosePclkDivideItem(EditSession& session, std::uint32_t item) {
    config::WorkingConfig& config = session.config;
    if (item == kPclkDivideAutoItem) {
        return AfterChange(session, regs::kIdAutoPclkDivide,
                           regs::SetFieldValue(config, regs::kIdAutoPclkDivide, 1));
    }
    if (std::optional<EditResult> refused =
            RefuseUnlisted(session, regs::kIdPclkDivideRaw, item - 1)) {
        return *refused;
    }
    bool changed = regs::SetFieldValue(config, regs::kIdPclkDivideRaw, item - 1);
    changed |= regs::SetFieldValue(config, regs::kIdAutoPclkDivide, 0);
    return AfterChange(session, regs::kIdPclkDivideRaw, changed);
}

std::uint32_t PclkDivideItem(EditSession& session) {
    if (regs::GetFieldValue(session.config, regs::kIdAutoPclkDivide) != 0) {
        return kPclkDivideAutoItem;
    }
    return regs::GetFieldValue(session.config, regs::kIdPclkDivideRaw) + 1;
}

EditResult ChooseMclkDivide(EditSession& session, std::uint32_t index) {
    if (std::optional<EditResult> refused =
            RefuseUnlisted(session, regs::kIdMclkDivideRaw, index)) {
        return *refused;
    }
    bool changed = regs::SetFieldValue(session.config, regs::kIdMclkDivideRaw, index);
    changed |= regs::SetFieldValue(session.config, regs::kIdAutoMclkDivide, 0);
    return AfterChange(session, regs::kIdMclkDivideRaw, changed);
}

EditResult SetPwmClockBox(EditSession& session, std::uint32_t id, bool on) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return *refused;
    }
    return AfterChange(session, id, regs::SetFieldValue(session.config, id, on ? 1 : 0));
}

EditResult LeaveDutyCycle(EditSession& session, std::string_view text) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, regs::kIdDutyCycle)) {
        return *refused;
    }
    NumberEntry entry;
    if (std::optional<EditResult> refused =
            ReadClampedNumber(session, regs::kIdDutyCycle, text, entry)) {
        return *refused;
    }
    return AfterChange(session, regs::kIdDutyCycle,
                       regs::SetFieldValue(session.config, regs::kIdDutyCycle, entry.value),
                       entry.note);
}

EditResult MoveDutyCycle(EditSession& session, std::uint32_t position) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, regs::kIdDutyCycle)) {
        return *refused;
    }
    return AfterChange(session, regs::kIdDutyCycle,
                       regs::SetFieldValue(session.config, regs::kIdDutyCycle, position));
}

ClockTexts FrequencyTexts(EditSession& session) {
    config::WorkingConfig& config = session.config;
    const bool forcedHigh = regs::GetFieldValue(config, regs::kIdPwmHigh) != 0;
    return {
        .clkiActual = regs::FrequencyText(regs::ActualInputClockHz(config, regs::kIdClkI)),
        .clki2Actual = regs::FrequencyText(regs::ActualInputClockHz(config, regs::kIdClkI2)),
        .pixelClock = regs::FrequencyText(regs::GetFieldValue(config, regs::kIdPixelClock)),
        .busClock = regs::FrequencyText(regs::GetFieldValue(config, regs::kIdBusClock)),
        .memoryClock = regs::FrequencyText(regs::GetFieldValue(config, regs::kIdMemoryClock)),
        .pwmClock = forcedHigh
                        ? " Forced High"
                        : regs::FrequencyText(regs::GetFieldValue(config, regs::kIdPwmClock)),
    };
}

} // namespace k7r::edit
