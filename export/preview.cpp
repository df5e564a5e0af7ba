#include "export/preview.h"

#include "export/output_file.h"
#include "export/text_format.h"
#include "platform/directory.h"

namespace k7r::exporter {

std::string PreviewPath(const ExportKind& kind, const ExportOptions& options,
                        const std::string& directory) {
    return platform::JoinPath(directory, DefaultFileName(kind, options));
}

bool PreviewExport(const ExportKind& kind, config::WorkingConfig& config,
                   const ExportOptions& options, const std::string& directory,
                   PreviewLauncher& launcher, std::string& message) {
    const std::string path = PreviewPath(kind, options, directory);
    if (!RunExport(kind, config, options, path, message)) {
        return false;
    }
    const bool opened = kind.previewAsText ? launcher.OpenInTextEditor(path)
                                           : launcher.OpenWithDefaultProgram(path);
    if (!opened) {
        message = Printf("Failed to %s file %s", kind.previewAsText ? "preview" : "execute",
                         path.c_str());
    }
    return opened;
}

} // namespace k7r::exporter
