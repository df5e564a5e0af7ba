#include "edit/rules/preferences_rules.h"

#include "config/hal_struct.h"
#include "edit/bad_entry.h"
#include "edit/field_text.h"
#include "edit/rules/common_rules.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/setting_ids.h"

#include <algorithm>

namespace k7r::edit {
namespace {

constexpr std::uint32_t kColorDepths[] = {1, 2, 4, 8, 16};
// The description with "\r\n" line ends: every character a line end at most.
constexpr std::size_t kDescriptionRoom = 2 * HAL_DESCRIPTION_SIZE;
constexpr std::uint32_t kSwivelViews[] = {0, 90, 180, 270};

template <std::size_t N>
std::string AllowedValues(const std::uint32_t (&values)[N]) {
    std::string hint = "Allowed values:";
    for (const std::uint32_t value : values) {
        hint += ' ' + std::to_string(value) + ',';
    }
    hint.back() = '.';
    return hint;
}

// A change on this page: the layout follows it, and its start address is
// the one the next update keeps.
EditResult AfterChange(EditSession& session, std::uint32_t id, bool changed) {
    if (changed) {
        UpdateDisplayGeometry(session);
        RememberMainStart(session);
    }
    return Finish(session, Written(session, id, changed));
}

template <std::size_t N>
EditResult ChooseOption(EditSession& session, std::uint32_t id, std::uint32_t value,
                        const std::uint32_t (&options)[N]) {
    if (std::ranges::find(options, value) == std::end(options)) {
        const std::uint32_t kept = regs::GetFieldValue(session.config, id);
        return Refuse(Refusal::NotInList, BadEntryMessage(std::to_string(value), id), kept,
                      std::to_string(kept), AllowedValues(options));
    }
    return AfterChange(session, id, regs::SetFieldValue(session.config, id, value));
}

} // namespace

void UpdateDisplayGeometry(EditSession& session) {
    regs::RecomputeLayout(session.config);
}

void RememberMainStart(EditSession& session) {
    session.config.SavedMainStart = regs::GetFieldValue(session.config, regs::kIdMainStart);
}

EditResult ChooseColorDepth(EditSession& session, std::uint32_t bitsPerPixel) {
    return ChooseOption(session, regs::kIdBitsPerPixel, bitsPerPixel, kColorDepths);
}

EditResult ChooseSwivelView(EditSession& session, std::uint32_t degrees) {
    return ChooseOption(session, regs::kIdSwivelView, degrees, kSwivelViews);
}

EditResult SetPixelDoubling(EditSession& session, std::uint32_t id, bool on) {
    return AfterChange(session, id, regs::SetFieldValue(session.config, id, on ? 1 : 0));
}

std::size_t DescriptionLimit(EditSession& session) {
    return regs::GetFieldMax(session.config, regs::kIdDescription) - 1;
}

std::string DescriptionFieldText(EditSession& session) {
    return AddCrLf(regs::FormatFieldValue(session.config, regs::kIdDescription), kDescriptionRoom);
}

EditResult LeaveDescription(EditSession& session, std::string_view text) {
    config::WorkingConfig& config = session.config;
    const std::string typed = StripCr(text);
    if (typed.size() > DescriptionLimit(session)) {
        return Refuse(Refusal::TooLong, BadEntryMessage(text, regs::kIdDescription),
                      regs::GetFieldValue(config, regs::kIdDescription),
                      DescriptionFieldText(session),
                      "At most " + std::to_string(DescriptionLimit(session)) + " characters.");
    }
    const bool changed = typed != regs::FormatFieldValue(config, regs::kIdDescription);
    if (changed) {
        regs::SetDescriptionText(config, regs::kIdDescription, typed);
    }
    EditResult result = AfterChange(session, regs::kIdDescription, changed);
    result.shown = DescriptionFieldText(session);
    return result;
}

} // namespace k7r::edit
