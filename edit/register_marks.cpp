#include "edit/register_marks.h"

#include "edit/edit_session.h"
#include "regs/register_access.h"

#include <cstdio>

namespace k7r::edit {
namespace {

std::uint32_t CurrentValue(EditSession& session, int position) {
    config::WorkingConfig& config = session.config;
    return regs::ReadRegister(config, regs::EnumRegister(config, position).reg, position);
}

} // namespace

RegisterMark* MarkAt(EditSession& session, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= kMarkedPositions) {
        return nullptr;
    }
    return &session.registerMarks.positions[static_cast<std::size_t>(position)];
}

void CheckManualStates(EditSession& session) {
    RegisterMarks& marks = session.registerMarks;
    if (session.config.Live != marks.lastLive) {
        marks.lastLive = session.config.Live;
        for (RegisterMark& mark : marks.positions) {
            mark.state = ManualState::Untouched;
        }
        marks.reset = true;
        return;
    }
    for (int position = 0; regs::EnumRegister(session.config, position).more; ++position) {
        RegisterMark* mark = MarkAt(session, position);
        if (mark != nullptr && mark->state == ManualState::Modified &&
            CurrentValue(session, position) != mark->manual) {
            mark->state = ManualState::Overwritten;
        }
    }
}

std::uint32_t TakeLineValue(EditSession& session, int position) {
    const std::uint32_t value = CurrentValue(session, position);
    if (RegisterMark* mark = MarkAt(session, position)) {
        if (mark->state != ManualState::Modified) {
            mark->computed = value;
        }
    }
    return value;
}

std::optional<std::uint32_t> RefreshMark(EditSession& session, int position) {
    RegisterMark* mark = MarkAt(session, position);
    const std::uint32_t value = CurrentValue(session, position);
    if (mark == nullptr || value == mark->shown) {
        return std::nullopt;
    }
    if (mark->state == ManualState::Overwritten && value == mark->manual) {
        mark->state = ManualState::Modified;
    } else if (mark->state == ManualState::Modified) {
        mark->state = ManualState::Overwritten;
    }
    mark->computed = value;
    return value;
}

void MarkManualValue(EditSession& session, int position, std::uint32_t value) {
    if (RegisterMark* mark = MarkAt(session, position)) {
        mark->manual = value;
        mark->state = value != mark->computed ? ManualState::Modified : ManualState::Untouched;
    }
}

std::string OverwriteReport(EditSession& session) {
    RegisterMarks& marks = session.registerMarks;
    if (marks.reset) {
        marks.reset = false;
        return "Manually modified register information reset due to \"Hot to Chip\" mode "
               "transisition.\n";
    }
    int modified = 0;
    int overwritten = 0;
    for (const RegisterMark& mark : marks.positions) {
        modified += mark.state == ManualState::Modified;
        overwritten += mark.state == ManualState::Overwritten;
    }
    char text[128] = "";
    if (overwritten != 0 && modified == 0) {
        std::snprintf(text, sizeof text,
                      "%d manually modified registers have been overwritten by other tabs.\n",
                      overwritten);
    } else if (overwritten != 0) {
        std::snprintf(
            text, sizeof text,
            "%d (out of %d) manually modified registers have been overwritten by other tabs.\n",
            overwritten, modified + overwritten);
    }
    return text;
}

} // namespace k7r::edit
