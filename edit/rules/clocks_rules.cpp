#include "edit/rules/clocks_rules.h"

#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "edit/rules/common_rules.h"
#include "hal/clock_synth.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <cstdio>

namespace k7r::edit {
namespace {

constexpr std::uint32_t kPclkDivideAutoItem = 0;

// The largest frequencies written in Hz and in KHz.
constexpr std::uint32_t kLargestInHz = 1000;
constexpr std::uint32_t kLargestInKhz = 100000;

// The synthesizer registers that take CLKI (0 to 2 alike) and CLKI2.
constexpr int kClkISynthRegister = 0;
constexpr int kClkI2SynthRegister = 3;

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
        const std::uint32_t kept = GetFieldValue(session.config, id);
        return Refusal(BadEntryMessage(text, id), kept, FormatMhz(kept),
                       "A frequency in MHz from 0.391 to 120.000, such as 25.175.");
    }
    const auto hz = static_cast<std::uint32_t>(mhz->milli * 1000);
    EditResult result = AfterChange(session, id, SetFieldValue(session.config, id, hz));
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
    return AfterChange(session, id, SetFieldValue(session.config, id, index));
}

EditResult ChoosePclkDivideItem(EditSession& session, std::uint32_t item) {
    config::WorkingConfig& config = session.config;
    if (item == kPclkDivideAutoItem) {
        return AfterChange(session, kIdAutoPclkDivide, SetFieldValue(config, kIdAutoPclkDivide, 1));
    }
    if (std::optional<EditResult> refused = RefuseUnlisted(session, kIdPclkDivideRaw, item - 1)) {
        return *refused;
    }
    bool changed = SetFieldValue(config, kIdPclkDivideRaw, item - 1);
    changed |= SetFieldValue(config, kIdAutoPclkDivide, 0);
    return AfterChange(session, kIdPclkDivideRaw, changed);
}

std::uint32_t PclkDivideItem(EditSession& session) {
    if (GetFieldValue(session.config, kIdAutoPclkDivide) != 0) {
        return kPclkDivideAutoItem;
    }
    return GetFieldValue(session.config, kIdPclkDivideRaw) + 1;
}

EditResult ChooseMclkDivide(EditSession& session, std::uint32_t index) {
    if (std::optional<EditResult> refused = RefuseUnlisted(session, kIdMclkDivideRaw, index)) {
        return *refused;
    }
    bool changed = SetFieldValue(session.config, kIdMclkDivideRaw, index);
    changed |= SetFieldValue(session.config, kIdAutoMclkDivide, 0);
    return AfterChange(session, kIdMclkDivideRaw, changed);
}

EditResult SetPwmClockBox(EditSession& session, std::uint32_t id, bool on) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return *refused;
    }
    return AfterChange(session, id, SetFieldValue(session.config, id, on ? 1 : 0));
}

EditResult LeaveDutyCycle(EditSession& session, std::string_view text) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, kIdDutyCycle)) {
        return *refused;
    }
    NumberEntry entry;
    if (std::optional<EditResult> refused = ReadClampedNumber(session, kIdDutyCycle, text, entry)) {
        return *refused;
    }
    return AfterChange(session, kIdDutyCycle,
                       SetFieldValue(session.config, kIdDutyCycle, entry.value), entry.note);
}

EditResult MoveDutyCycle(EditSession& session, std::uint32_t position) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, kIdDutyCycle)) {
        return *refused;
    }
    return AfterChange(session, kIdDutyCycle,
                       SetFieldValue(session.config, kIdDutyCycle, position));
}

std::string FrequencyText(std::uint32_t hz) {
    char text[32];
    if (hz <= kLargestInHz) {
        std::snprintf(text, sizeof text, " %u Hz", hz);
    } else if (hz <= kLargestInKhz) {
        std::snprintf(text, sizeof text, " %u.%03u KHz", hz / 1000, hz % 1000);
    } else {
        std::snprintf(text, sizeof text, " %u.%03u MHz", hz / 1000000, hz / 1000 % 1000);
    }
    return text;
}

std::uint32_t ActualInputClockHz(EditSession& session, std::uint32_t id) {
    const std::uint32_t requested = GetFieldValue(session.config, id);
    if (GetFieldValue(session.config, kIdClockChip) == 0) {
        return requested;
    }
    const std::optional<hal::ClockEntry> entry =
        hal::SearchClockWord(id == kIdClkI ? kClkISynthRegister : kClkI2SynthRegister, requested);
    return entry ? entry->achievedHz : 0;
}

ClockTexts FrequencyTexts(EditSession& session) {
    config::WorkingConfig& config = session.config;
    const bool forcedHigh = GetFieldValue(config, kIdPwmHigh) != 0;
    return {
        .clkiActual = FrequencyText(ActualInputClockHz(session, kIdClkI)),
        .clki2Actual = FrequencyText(ActualInputClockHz(session, kIdClkI2)),
        .pixelClock = FrequencyText(GetFieldValue(config, kIdPixelClock)),
        .busClock = FrequencyText(GetFieldValue(config, kIdBusClock)),
        .memoryClock = FrequencyText(GetFieldValue(config, kIdMemoryClock)),
        .pwmClock = forcedHigh ? " Forced High" : FrequencyText(GetFieldValue(config, kIdPwmClock)),
    };
}

} // namespace k7r::edit
