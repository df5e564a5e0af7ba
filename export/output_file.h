#pragma once

#include "config/working_config.h"
#include "export/export_kinds.h"

#include <string>
#include <string_view>

namespace k7r::exporter {

// The text with every LF that has no CR before it turned into CR LF: how
// generated files are written.
std::string ToCrLf(std::string_view text);

// Creates or replaces the file with all of data, replacing an existing file
// only once the new one is complete. On failure the message reads "Failed
// to create file <path>", no partial file is left and an existing one is as
// it was.
bool WriteOutputFile(const std::string& path, std::string_view data, std::string& message);

// Generates the kind's text for the working configuration and writes it to
// path with CR LF line ends.
bool RunExport(const ExportKind& kind, config::WorkingConfig& config, const ExportOptions& options,
               const std::string& path, std::string& message);

} // namespace k7r::exporter
