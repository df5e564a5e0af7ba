#include "cli/diagnostics.h"

#include "panels/panel_def_list.h"
#include "regs/validation.h"

#include <cstdio>

namespace k7r::cli {
namespace {

// The diagnostics pane's buffer.
constexpr std::size_t kPaneRoom = 4096;

std::string PanelFileVersionMessage() {
    PanelDefList panels;
    panels.Load([](std::string_view message) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    });
    return panels.VersionMessage();
}

} // namespace

Diagnostics Diagnose(WorkingConfig& config) {
    Diagnostics result;
    result.text = ValidateErrors(config, kPaneRoom);
    result.text += PanelFileVersionMessage().substr(0, kPaneRoom - 1 - result.text.size());
    result.error = !result.text.empty();
    result.text += ValidateWarnings(config, kPaneRoom - result.text.size());
    return result;
}

} // namespace k7r::cli
