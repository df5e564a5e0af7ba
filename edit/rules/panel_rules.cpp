#include "edit/rules/panel_rules.h"

#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "edit/rules/common_rules.h"
#include "edit/rules/power_rules.h"
#include "edit/rules/preferences_rules.h"
#include "panels/panel_def_list.h"
#include "panels/panel_settings.h"
#include "regs/field_values.h"
#include "regs/pixel_clocks.h"
#include "regs/setting_ids.h"

#include <algorithm>
#include <cstring>

namespace k7r::edit {
namespace {

// Setting 24's list names value 3 "HR-TFT" as it does 2: both store the
// basic HR-TFT type, so the list offers the type once.
constexpr std::uint32_t kPanelTypeChoices[] = {0, 1, 2, 4, 5, 6, 7};

std::string PanelTypeHint(EditSession& session) {
    std::string hint = "Allowed values:";
    for (const std::uint32_t type : kPanelTypeChoices) {
        hint += ' ' +
                regs::GetFieldListText(session.config, regs::kIdPanelType, type).value_or("") +
                " (" + std::to_string(type) + "),";
    }
    hint.back() = '.';
    return hint;
}

// Frame rate after the totals change, the geometry after the sizes do.
EditResult AfterChange(EditSession& session, std::uint32_t id, bool changed,
                       std::string message = {}) {
    if (changed && (id == regs::kIdHorzTotal || id == regs::kIdVertTotal)) {
        RefreshFrameRate(session);
    }
    EditResult result = Written(session, id, changed);
    result.message = std::move(message);
    return Finish(session, result);
}

bool SameRecord(const HAL_STRUCT& a, const HAL_STRUCT& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

std::string OpenPanelPage(EditSession& session) {
    RefreshFrameRate(session);
    std::string note;
    if (session.panels.DebugMode() && !session.debugNoteShown) {
        session.debugNoteShown = true;
        note = kDebugModeNote;
    }
    MatchPredefinedPanel(session);
    return note;
}

EditResult ChoosePanelType(EditSession& session, std::uint32_t panelType) {
    config::WorkingConfig& config = session.config;
    const std::uint32_t oldType = regs::GetFieldValue(config, regs::kIdPanelType);
    if (std::ranges::find(kPanelTypeChoices, panelType) == std::end(kPanelTypeChoices)) {
        return Refuse(Refusal::NotInList,
                      BadEntryMessage(std::to_string(panelType), regs::kIdPanelType), oldType,
                      regs::FormatFieldValue(config, regs::kIdPanelType), PanelTypeHint(session));
    }
    regs::SetFieldValue(config, regs::kIdPanelType, panelType);
    const bool changed = regs::GetFieldValue(config, regs::kIdPanelType) != oldType;
    EditResult result = Written(session, regs::kIdPanelType, changed);
    if (changed) {
        result.message = SwitchPowerPinFamily(session, oldType);
    }
    return Finish(session, result);
}

std::span<const std::uint32_t> PanelTypeChoices() {
    return kPanelTypeChoices;
}

std::optional<std::string> FeatureRefusal(EditSession& session, std::uint32_t id) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return refused->message;
    }
    return std::nullopt;
}

EditResult LeaveFeatureNumber(EditSession& session, std::uint32_t id, std::string_view text) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return *refused;
    }
    NumberEntry entry;
    if (std::optional<EditResult> refused = ReadClampedNumber(session, id, text, entry)) {
        return *refused;
    }
    EditResult result =
        AfterChange(session, id, regs::SetFieldValue(session.config, id, entry.value), entry.note);
    result.shown = std::to_string(entry.value);
    return result;
}

EditResult MoveFeatureNumber(EditSession& session, std::uint32_t id, std::uint32_t position) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return *refused;
    }
    return AfterChange(session, id, regs::SetFieldValue(session.config, id, position));
}

EditResult ChooseFeatureItem(EditSession& session, std::uint32_t id,
                             std::optional<std::uint32_t> item) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return *refused;
    }
    if (!item) {
        return Refuse(Refusal::NotANumber, BadEntryMessage("", id),
                      regs::GetFieldValue(session.config, id),
                      regs::FormatFieldValue(session.config, id), ListHint(session, id));
    }
    if (std::optional<EditResult> refused = RefuseUnlisted(session, id, *item)) {
        return *refused;
    }
    return AfterChange(session, id, regs::SetFieldValue(session.config, id, *item));
}

EditResult LeaveFeatureDropDown(EditSession& session, std::uint32_t id, std::string_view text) {
    if (std::optional<EditResult> refused = RefuseWithoutEntry(session, id)) {
        return *refused;
    }
    config::WorkingConfig& config = session.config;
    const std::uint32_t kept = regs::GetFieldValue(config, id);
    const std::uint32_t min = regs::GetFieldMin(config, id);
    const std::uint32_t max = regs::GetFieldMax(config, id);
    const std::string range =
        "A whole number from " + std::to_string(min) + " to " + std::to_string(max) + ".";
    const std::optional<MilliValue> typed = ReadMilliText(text);
    if (!typed) {
        return Refuse(Refusal::NotANumber, BadEntryMessage(text, id), kept, std::to_string(kept),
                      range);
    }
    std::uint32_t value = typed->whole;
    if (value < min || value > max) {
        return Refuse(Refusal::OutOfRange, BadEntryMessage(std::to_string(value), id, min, max),
                      kept, std::to_string(kept), range);
    }
    std::string note;
    if (id == regs::kIdHorzDisplay) {
        const std::uint32_t step =
            regs::GetFieldValue(config, regs::kIdBasicPanelType) != 0 ? 8 : 16;
        const std::uint32_t raised = (value + step - 1) / step * step;
        if (raised != value) {
            value = raised;
            note = "NOTE: The value was rounded up to the closest allowable value.\n";
        }
    }
    const bool changed = regs::SetFieldValue(config, id, value) || !note.empty();
    if (changed) {
        UpdateDisplayGeometry(session);
        RefreshFrameRate(session);
    }
    EditResult result = Written(session, id, changed);
    result.message = note;
    result.shown = std::to_string(value);
    return Finish(session, result);
}

EditResult ChoosePixelClock(EditSession& session, std::size_t line) {
    config::WorkingConfig& config = session.config;
    EditResult result;
    if (regs::GetFieldValue(config, regs::kIdAutoPclkDivide) != 0) {
        const regs::PixelClockList list = regs::ReachablePixelClocks(config);
        if (line >= list.lines.size()) {
            return Refuse(
                Refusal::NotInList, BadEntryMessage(std::to_string(line), regs::kIdPixelClock),
                regs::GetFieldValue(config, regs::kIdPixelClock), list.lines[list.selected]);
        }
        result.changed =
            regs::SetFieldValue(config, regs::kIdPclkDivideRaw, static_cast<std::uint32_t>(line));
        if (result.changed) {
            RefreshFrameRate(session);
        }
    }
    const regs::PixelClockList now = regs::ReachablePixelClocks(config);
    result.value = regs::GetFieldValue(config, regs::kIdPixelClock);
    result.shown = now.lines[now.selected];
    return Finish(session, result);
}

EditResult ApplyPredefinedPanel(EditSession& session, std::size_t item) {
    const panels::PanelDefList& panels = session.panels;
    if (item >= panels.Count()) {
        return {}; // "Custom panel"
    }
    session.predefinedPanel = item;
    const HAL_STRUCT before = session.config.Record;
    const panels::PanelApplication application =
        k7r::panels::ApplyPredefinedPanel(session.config, panels.At(item));
    if (!application.applied) {
        return Refuse(Refusal::Disqualified, application.report, 0, panels.At(item).name);
    }
    // Matching resumes with the next change; the entry just applied stays
    // selected until then.
    EditResult result;
    result.changed = !SameRecord(before, session.config.Record);
    result.message = application.report;
    result.shown = panels.At(item).name;
    return result;
}

std::vector<std::string> PredefinedPanelItems(const panels::PanelDefList& panels) {
    std::vector<std::string> items;
    if (panels.Count() == 0) {
        return items;
    }
    for (const panels::PanelDef& panel : panels.Entries()) {
        items.push_back(panel.disqualified ? std::string(kDisqualifiedMark) + panel.name
                                           : panel.name);
    }
    items.emplace_back(kCustomPanel);
    return items;
}

} // namespace k7r::edit
