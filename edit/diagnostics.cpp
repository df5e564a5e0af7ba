#include "edit/diagnostics.h"

#include "panels/panel_def_list.h"
#include "regs/validation.h"

namespace k7r::edit {

Diagnostics Diagnose(config::WorkingConfig& config, const panels::PanelDefList& panels,
                     std::size_t room) {
    Diagnostics result;
    if (room == 0) {
        return result;
    }
    result.text = regs::ValidateErrors(config, room);
    result.text += panels.VersionMessage().substr(0, room - 1 - result.text.size());
    result.error = !result.text.empty();
    result.text += regs::ValidateWarnings(config, room - result.text.size());
    return result;
}

} // namespace k7r::edit
