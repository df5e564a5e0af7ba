#include "edit/rules/common_rules.h"

#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "regs/clock_tree.h"
#include "regs/field_attributes.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/register_table.h"

#include <algorithm>
#include <cstdio>

namespace k7r::edit {

EditResult Refuse(Refusal why, std::string message, std::uint32_t value, std::string shown,
                  std::string hint) {
    EditResult result;
    result.refusal = why;
    result.value = value;
    result.shown = std::move(shown);
    result.message = std::move(message);
    result.hint = std::move(hint);
    return result;
}

EditResult Written(EditSession& session, std::uint32_t id, bool changed) {
    EditResult result;
    result.changed = changed;
    result.value = regs::GetFieldValue(session.config, id);
    result.shown = regs::FormatFieldValue(session.config, id);
    return result;
}

std::string ListHint(EditSession& session, std::uint32_t id) {
    std::string hint = "Allowed values:";
    for (std::uint32_t item = 0; item < kLongestList; ++item) {
        const std::optional<std::string> text = regs::GetFieldListText(session.config, id, item);
        if (!text) {
            break;
        }
        hint += ' ' + *text + " (" + std::to_string(item) + "),";
    }
    hint.back() = '.';
    return hint;
}

std::optional<EditResult> RefuseUnlisted(EditSession& session, std::uint32_t id,
                                         std::uint32_t item) {
    if (regs::GetFieldListText(session.config, id, item)) {
        return std::nullopt;
    }
    return Refuse(Refusal::NotInList, BadEntryMessage(std::to_string(item), id),
                  regs::GetFieldValue(session.config, id),
                  regs::FormatFieldValue(session.config, id), ListHint(session, id));
}

std::optional<EditResult> ReadClampedNumber(EditSession& session, std::uint32_t id,
                                            std::string_view text, NumberEntry& entry) {
    config::WorkingConfig& config = session.config;
    const std::uint32_t min = regs::GetFieldMin(config, id);
    const std::uint32_t max = regs::GetFieldMax(config, id);
    const std::optional<MilliValue> typed = ReadMilliText(text);
    if (!typed) {
        return Refuse(Refusal::NotANumber, BadEntryMessage(text, id),
                      regs::GetFieldValue(config, id), regs::FormatFieldValue(config, id),
                      "A whole number from " + std::to_string(min) + " to " + std::to_string(max) +
                          ".");
    }
    entry.value = std::clamp(typed->whole, min, max);
    entry.note = entry.value != typed->whole ? ClosestValueNote(id) : std::string();
    return std::nullopt;
}

std::string ClosestValueNote(std::uint32_t id) {
    return "NOTE: The " + regs::FormatFieldName(id, regs::kShowName) +
           " was set to the closest allowable value.\n";
}

std::optional<EditResult> RefuseWithoutEntry(EditSession& session, std::uint32_t id) {
    config::WorkingConfig& config = session.config;
    const std::size_t record = regs::FindField(id);
    if (record == regs::kFieldCount || config.Live) {
        return std::nullopt;
    }
    const regs::FIELD_DESC& field = regs::kFieldTable[record];
    if (!(field.Attributes & regs::ffREGISTER) ||
        config.FindRegisterEntry(field.Register) < config.EntryCount) {
        return std::nullopt;
    }
    char reason[160];
    std::snprintf(reason, sizeof reason,
                  "ERROR: %s cannot be set: this configuration's register table has no entry for "
                  "REG[%02Xh], so the chip would never receive it.\n",
                  regs::FormatFieldName(id, regs::kShortForms | regs::kShowName).c_str(),
                  field.Register);
    return Refuse(Refusal::NoRegisterEntry, reason, regs::GetFieldValue(config, id),
                  regs::FormatFieldValue(config, id));
}

void RefreshFrameRate(EditSession& session) {
    regs::StoreFrameRate(session.config);
}

EditResult Finish(EditSession& session, EditResult result) {
    if (result.accepted() && result.changed) {
        MatchPredefinedPanel(session);
    }
    return result;
}

} // namespace k7r::edit
