#pragma once

#include "config/working_config.h"
#include "export/export_kinds.h"

#include <string>

namespace k7r::exporter {

// What opens a written preview for the user: the system's text editor, or
// the program the system opens the file with by default.
class PreviewLauncher {
  public:
    virtual ~PreviewLauncher() = default;

    // False when the system refused to start the program.
    virtual bool OpenInTextEditor(const std::string& path) = 0;
    virtual bool OpenWithDefaultProgram(const std::string& path) = 0;
};

// Where a preview of the kind goes: its default name in the directory
// (the system's temporary directory in the utility).
std::string PreviewPath(const ExportKind& kind, const ExportOptions& options,
                        const std::string& directory);

// Writes the kind's file to its preview path, replacing the previous
// preview, and opens it: text in the editor, the page with its default
// program. On failure the message reads "Failed to create file <path>",
// "Failed to preview file <path>" or "Failed to execute file <path>".
bool PreviewExport(const ExportKind& kind, config::WorkingConfig& config,
                   const ExportOptions& options, const std::string& directory,
                   PreviewLauncher& launcher, std::string& message);

} // namespace k7r::exporter
