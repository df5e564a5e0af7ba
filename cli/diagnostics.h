#pragma once

#include <string>

namespace k7r {
struct WorkingConfig;
class PanelDefList;
} // namespace k7r

namespace k7r::cli {

// What the utility's diagnostics pane shows for a configuration: the
// validation errors, the panel definition file's version message and the
// validation warnings, each into the room the pane's buffer has left.
struct Diagnostics {
    std::string text;
    // An error or the version message: the pane turns yellow.
    bool error = false;
};
Diagnostics Diagnose(WorkingConfig& config);
// The same with the version message of a given panel list.
Diagnostics Diagnose(WorkingConfig& config, const PanelDefList& panels);

} // namespace k7r::cli
