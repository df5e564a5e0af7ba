#pragma once

#include "export/preview.h"

namespace k7r::cfgui::win32 {

// Previews as a user sees them: text in Notepad, anything else with the
// program the system opens it with (a web browser for the HTML page).
class SystemLauncher : public exporter::PreviewLauncher {
  public:
    bool OpenInTextEditor(const std::string& path) override;
    bool OpenWithDefaultProgram(const std::string& path) override;
};

} // namespace k7r::cfgui::win32
