#pragma once

#include "config/working_config.h"
#include "export/export_options.h"

#include <span>
#include <string>
#include <string_view>

namespace k7r::exporter {

// The utility's own build number, printed in every generated file.
inline constexpr unsigned kUtilityBuild = 17;

using ExportGenerator = std::string (*)(config::WorkingConfig& config,
                                        const ExportOptions& options);

// One kind of generated file, as the Export dialog lists it and the command
// line names it.
struct ExportKind {
    std::string_view commandName;
    // Texts with "%u" take the mode number.
    std::string_view listText;
    std::string_view defaultName;
    std::string_view filterName;
    std::string_view filterPattern;
    std::string_view extension;
    // Previews of text files open in the text editor, the page in the
    // system's browser.
    bool previewAsText;
    // The export options the kind's generator reads.
    bool readsModeNumber;
    bool readsModeFlags;
    ExportGenerator generate;
};

// The six kinds in list order.
std::span<const ExportKind> ExportKinds();

const ExportKind* FindExportKind(std::string_view commandName);

std::string ListText(const ExportKind& kind, const ExportOptions& options);
std::string DefaultFileName(const ExportKind& kind, const ExportOptions& options);

} // namespace k7r::exporter
