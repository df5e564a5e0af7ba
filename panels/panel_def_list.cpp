#include "panels/panel_def_list.h"

#include "panels/panel_def_parser.h"
#include "panels/qualification.h"
#include "platform/executable_dir.h"
#include "platform/file.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>

namespace k7r::panels {

namespace {

bool IsDebugFileName(std::string_view name) {
    if (name.size() != PanelDefList::kDebugFileName.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i] >= 'a' && name[i] <= 'z' ? char(name[i] - 'a' + 'A') : name[i];
        if (c != PanelDefList::kDebugFileName[i]) {
            return false;
        }
    }
    return true;
}

std::string_view FileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool PanelDefList::Load(const ShowError& showError) {
    const std::string directory = platform::ExecutableDirectory();
    return !directory.empty() && LoadFromDirectory(directory, showError);
}

bool PanelDefList::LoadFromDirectory(const std::string& directory, const ShowError& showError) {
    if (loaded_) {
        return true;
    }
    const std::string base = directory + platform::kPathSeparator;
    return ReadFile(base + std::string(kDebugFileName), true, showError) ||
           ReadFile(base + std::string(kPublishedFileName), false, showError);
}

bool PanelDefList::LoadFile(const std::string& path, const ShowError& showError) {
    return ReadFile(path, IsDebugFileName(FileNameOf(path)), showError);
}

bool PanelDefList::ReadFile(const std::string& path, bool debugMode, const ShowError& showError) {
    // Text mode, so that a DOS file reads the same on every system the
    // program runs on. Only a regular file is read: a FIFO would block.
    platform::Result<platform::File> opened =
        platform::File::Open(path, platform::FileAccess::Read);
    const std::unique_ptr<std::FILE, FileCloser> file(opened ? opened->ReleaseToStream("r")
                                                             : nullptr);
    if (!file) {
        return false;
    }
    path_ = path;
    debugMode_ = debugMode;
    std::int32_t version = 1;
    std::vector<PanelDef> entries;
    // A longer line arrives in pieces, each read as a line of its own.
    std::array<char, kMaxDefLineLength + 1> buffer;
    while (std::fgets(buffer.data(), int(buffer.size()), file.get())) {
        const std::string_view line(buffer.data());
        if (const std::optional<std::int32_t> fileVersion = ParseVersionLine(line)) {
            version = *fileVersion;
            continue;
        }
        if (!IsPanelLine(line)) {
            continue;
        }
        std::optional<PanelDef> def = ParsePanelLine(line);
        if (!def) {
            showError("Invalid PANELS.DEF");
            return true;
        }
        if (std::optional<std::string> reason = DisqualifyPanel(*def)) {
            if (!debugMode) {
                continue;
            }
            def->disqualified = true;
            def->reason = std::move(*reason);
        }
        if (entries.size() < kMaxEntries) {
            entries.push_back(std::move(*def));
        }
    }
    if (std::ferror(file.get())) {
        showError("Error reading panel DEF file");
        return true;
    }
    entries_ = std::move(entries);
    fileVersion_ = version;
    loaded_ = true;
    return true;
}

std::string PanelDefList::VersionMessage() const {
    if (!loaded_ || fileVersion_ == kRequiredVersion) {
        return {};
    }
    return "ERROR: Version " + std::to_string(kRequiredVersion) + " of " +
           std::string(debugMode_ ? kDebugFileName : kPublishedFileName) +
           " is required (you are currently using version " + std::to_string(fileVersion_) + ").\n";
}

} // namespace k7r::panels
