#include "export/export_kinds.h"

#include "export/appcfg_header.h"
#include "export/chip_header.h"
#include "export/csv_export.h"
#include "export/generic_header.h"
#include "export/html_export.h"
#include "export/mode_header.h"
#include "export/text_format.h"

namespace k7r::exporter {
namespace {

std::string GenerateAppCfg(config::WorkingConfig& config, const ExportOptions&) {
    return ExportAppCfg(config, kUtilityBuild);
}
std::string GenerateChipHeader(config::WorkingConfig& config, const ExportOptions&) {
    return ExportChipHeader(config, kUtilityBuild);
}
std::string GenerateModeHeader(config::WorkingConfig& config, const ExportOptions& options) {
    return ExportModeHeader(config, options.ModeNumber, options.ModeFlags, kUtilityBuild);
}
std::string GenerateGenericHeader(config::WorkingConfig& config, const ExportOptions& options) {
    return ExportGenericHeader(config, kUtilityBuild, options.ModeFlags);
}
std::string GenerateCsv(config::WorkingConfig& config, const ExportOptions&) {
    return ExportCsv(config, kUtilityBuild);
}
std::string GenerateHtml(config::WorkingConfig&, const ExportOptions&) {
    return ExportHtml(kUtilityBuild);
}

// The tabs line the bracketed default names up in the dialog's list box.
// Columns: command name, list text, default name, filter name and pattern,
// extension, preview as text, reads the mode number, reads the mode flags,
// generator.
constexpr ExportKind kKinds[] = {
    {"appcfg", "C Header File for K7R58C22 HAL-Based Applications\t[appcfg.h]", "appcfg.h",
     "Header Files (*.h)", "*.h", "h", true, false, false, GenerateAppCfg},
    {"chip", "C Header File Defining a Map of K7R58C22 Registers\t[chip.h]", "chip.h",
     "Header Files (*.h)", "*.h", "h", true, false, false, GenerateChipHeader},
    {"mode", "C Header File for K7R58C22 WinCE Drivers \t\t[mode%u.h]", "mode%u.h",
     "Header Files (*.h)", "*.h", "h", true, true, true, GenerateModeHeader},
    {"generic", "C Header File for K7R58C22 Generic Drivers \t\t[k7r58c22.h]", "k7r58c22.h",
     "Header Files (*.h)", "*.h", "h", true, false, true, GenerateGenericHeader},
    {"csv", "Comma-Delimited File Containing Current Configuration\t[k7r58c22.csv]", "k7r58c22.csv",
     "Comma-Separated-Value Files (*.csv)", "*.csv", "csv", true, false, false, GenerateCsv},
    {"html", "K7R58C22 Register Quick Reference\t\t\t[k7r58c22.html]", "k7r58c22.html",
     "Web Page Files (*.html)", "*.html", "html", false, false, false, GenerateHtml},
};

// The kind texts hold at most one "%u", the mode number.
std::string WithModeNumber(std::string_view text, const ExportOptions& options) {
    const std::size_t at = text.find("%u");
    if (at == std::string_view::npos) {
        return std::string(text);
    }
    return std::string(text.substr(0, at)) + Printf("%u", options.ModeNumber) +
           std::string(text.substr(at + 2));
}

} // namespace

std::span<const ExportKind> ExportKinds() {
    return kKinds;
}

const ExportKind* FindExportKind(std::string_view commandName) {
    for (const ExportKind& kind : kKinds) {
        if (kind.commandName == commandName) {
            return &kind;
        }
    }
    return nullptr;
}

std::string ListText(const ExportKind& kind, const ExportOptions& options) {
    return WithModeNumber(kind.listText, options);
}

std::string DefaultFileName(const ExportKind& kind, const ExportOptions& options) {
    return WithModeNumber(kind.defaultName, options);
}

} // namespace k7r::exporter
