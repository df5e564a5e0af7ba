#include "export/output_file.h"

#include "export/text_format.h"
#include "platform/file.h"
#include "platform/replacement_file.h"

#include <optional>
#include <span>

namespace k7r::exporter {

std::string ToCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    char previous = '\0';
    for (const char c : text) {
        if (c == '\n' && previous != '\r') {
            converted += '\r';
        }
        converted += c;
        previous = c;
    }
    return converted;
}

namespace {

// Writes data apart and puts it in the target's place once it is all
// there. An existing target must be a file the user may write, which no
// save holds (a rename would replace even a read-only file); it keeps its
// permissions and attributes.
bool ReplaceOutputFile(const std::string& path, std::string_view data) {
    using namespace platform;
    Result<std::optional<File>> existing = File::OpenIfExists(path, FileAccess::ReadWrite);
    if (!existing || (*existing && !(*existing)->TryLock(FileLock::Exclusive))) {
        return false;
    }
    Result<ReplacementFile> replacement = ReplacementFile::Create(path);
    if (!replacement) {
        return false;
    }
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
    Status status = replacement->Append(bytes);
    if (status && *existing) {
        status = replacement->TakeAttributes(**existing, AttributeUse::SameFile);
    }
    if (status) {
        status = replacement->Commit(std::move(*existing));
    }
    return static_cast<bool>(status);
}

} // namespace

bool WriteOutputFile(const std::string& path, std::string_view data, std::string& message) {
    if (!ReplaceOutputFile(path, data)) {
        message = Printf("Failed to create file %s", path.c_str());
        return false;
    }
    return true;
}

bool RunExport(const ExportKind& kind, config::WorkingConfig& config, const ExportOptions& options,
               const std::string& path, std::string& message) {
    return WriteOutputFile(path, ToCrLf(kind.generate(config, options)), message);
}

} // namespace k7r::exporter
