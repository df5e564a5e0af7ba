#include "cli/diagnostics.h"

#include "cli/panel_list.h"
#include "regs/validation.h"

namespace k7r::cli {
namespace {

// The diagnostics pane's buffer.
constexpr std::size_t kPaneRoom = 4096;

} // namespace

Diagnostics Diagnose(WorkingConfig& config) {
    return Diagnose(config, ProgramPanels());
}

Diagnostics Diagnose(WorkingConfig& config, const PanelDefList& panels) {
    Diagnostics result;
    result.text = ValidateErrors(config, kPaneRoom);
    result.text += panels.VersionMessage().substr(0, kPaneRoom - 1 - result.text.size());
    result.error = !result.text.empty();
    result.text += ValidateWarnings(config, kPaneRoom - result.text.size());
    return result;
}

} // namespace k7r::cli
