#pragma once

#include <cstddef>
#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::panels {
class PanelDefList;
} // namespace k7r::panels

namespace k7r::edit {

// The diagnostics pane's text buffer, message and all.
inline constexpr std::size_t kDiagnosticsRoom = 4096;

// What the diagnostics pane shows for a configuration after a message: the
// validation errors, the panel definition file's version message and the
// validation warnings, each cut to the room the pane's buffer has left.
struct Diagnostics {
    std::string text;
    // An error or the version message: the pane turns yellow.
    bool error = false;
};
// `room` is what the pane's buffer has left behind the message it shows,
// its terminating NUL included.
Diagnostics Diagnose(config::WorkingConfig& config, const panels::PanelDefList& panels,
                     std::size_t room = kDiagnosticsRoom);

} // namespace k7r::edit
