#include "containers/config_file.h"

#include "containers/config_image.h"
#include "containers/container_kind.h"
#include "containers/messages.h"
#include "platform/file.h"
#include "platform/file_mapping.h"
#include "platform/file_ops.h"

#include <optional>

namespace k7r {
namespace {

// The extensions of files that can carry a record, in the order they are
// tried.
constexpr std::string_view kAcceptedExtensions[] = {".EXE", ".ELF", ".S9", ".S19",
                                                    ".IDP", ".LVB", ".PRC"};

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string OpenFailure(const std::string& path, std::string_view reason) {
    return "File \"" + path + "\" could not be opened because:\n\n" + std::string(reason);
}

std::string SaveFailure(const std::string& path, std::string_view reason) {
    return "File \"" + path + "\" could not be saved because:\n\n" + std::string(reason);
}

std::string SystemText(platform::SystemError error) {
    return platform::ErrorText(error);
}

// Runs read over the whole file mapped read-only. Returns why it could not,
// or nothing on success.
template <typename Read>
std::optional<std::string> ReadMappedFile(const std::string& path, Read read) {
    using namespace platform;
    Result<File> file = File::Open(path, FileAccess::Read);
    if (!file) {
        return SystemText(file.error());
    }
    const Result<std::uint64_t> length = file->Length();
    if (!length) {
        return SystemText(length.error());
    }
    if (*length == 0) {
        return std::string(messages::kZeroLength);
    }
    const Result<FileMapping> mapping = FileMapping::MapReadOnly(*file, *length);
    if (!mapping) {
        return SystemText(mapping.error());
    }
    std::string_view message;
    if (read(mapping->bytes(), message)) {
        return std::nullopt;
    }
    return std::string(message);
}

// Writes the record into an existing file through a mapping with room to
// grow, then trims the file to the length the container kind reports. The
// file's times are restored on failure; on success the access and write
// times become the time of the save.
std::optional<std::string> WriteIntoFile(const std::string& path, const HAL_STRUCT& working,
                                         bool preserveAddresses) {
    using namespace platform;
    Result<File> file = File::Open(path, FileAccess::ReadWrite);
    if (!file) {
        return SystemText(file.error());
    }
    Result<FileTimes> times = file->Times();
    if (!times) {
        return SystemText(times.error());
    }
    std::optional<std::string> reason;
    const Result<std::uint64_t> length = file->Length();
    if (!length) {
        reason = SystemText(length.error());
    } else if (*length == 0) {
        reason = std::string(messages::kZeroLength);
    } else {
        // The file's own length until a container kind reports another; a
        // file too large to map keeps it.
        std::uint64_t newLength = *length;
        {
            Result<FileMapping> mapping = FileMapping::MapWritable(*file, *length + kGrowthRoom);
            std::string_view message;
            if (!mapping) {
                reason = SystemText(mapping.error());
            } else {
                std::size_t imageLength = static_cast<std::size_t>(*length);
                if (!WriteConfigImage(mapping->bytes(), imageLength, working, preserveAddresses,
                                      message)) {
                    reason = std::string(message);
                }
                newLength = imageLength;
            }
        }
        // Also takes back the growth room when the mapping failed after the
        // file had grown.
        if (Status trimmed = file->SetLength(newLength); !trimmed && !reason) {
            reason = SystemText(trimmed.error());
        }
    }
    if (!reason) {
        times->lastAccess = times->lastWrite = CurrentTime();
    }
    // A failure here costs only the times; the content is already right.
    (void)file->SetTimes(*times);
    return reason;
}

} // namespace

bool HasExtension(std::string_view path, std::string_view extension) {
    if (path.size() < extension.size()) {
        return false;
    }
    const std::string_view tail = path.substr(path.size() - extension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (AsciiUpper(tail[i]) != AsciiUpper(extension[i])) {
            return false;
        }
    }
    return true;
}

bool HasAcceptedExtension(std::string_view path) {
    for (std::string_view extension : kAcceptedExtensions) {
        if (HasExtension(path, extension)) {
            return true;
        }
    }
    return false;
}

bool OpenConfigFile(const std::string& path, WorkingConfig& config, const MessageSink& show) {
    if (!HasAcceptedExtension(path)) {
        show(OpenFailure(path, messages::kUnsupportedType));
        return false;
    }
    const std::optional<std::string> reason =
        ReadMappedFile(path, [&](std::span<const std::uint8_t> image, std::string_view& message) {
            return ReadConfigImage(image, config, message);
        });
    if (reason) {
        show(OpenFailure(path, *reason));
        return false;
    }
    return true;
}

bool InspectConfigFile(const std::string& path, HAL_STRUCT& stored, const MessageSink& show) {
    if (!HasAcceptedExtension(path)) {
        show(OpenFailure(path, messages::kUnsupportedType));
        return false;
    }
    const std::optional<std::string> reason =
        ReadMappedFile(path, [&](std::span<const std::uint8_t> image, std::string_view& message) {
            return LocateConfigRecord(image, false, stored, message) == kRecordFound;
        });
    if (reason) {
        show(OpenFailure(path, *reason));
        return false;
    }
    return true;
}

bool SaveConfigFile(const std::string& source, const std::string& target, const HAL_STRUCT& working,
                    bool preserveAddresses, const MessageSink& show) {
    const bool inPlace = target.empty() || platform::NameSameFile(source, target);
    const std::string& path = inPlace ? source : target;
    if (!HasAcceptedExtension(path)) {
        show(SaveFailure(path, messages::kUnsupportedType));
        return false;
    }
    if (!inPlace) {
        if (platform::Status copied = platform::CopyFileReplacing(source, path); !copied) {
            show(SaveFailure(path, SystemText(copied.error())));
            return false;
        }
        // A copy that stays read-only fails to open below, with the
        // system's reason.
        (void)platform::ClearFileAttributes(path);
    }
    const std::optional<std::string> reason = WriteIntoFile(path, working, preserveAddresses);
    if (!reason) {
        return true;
    }
    if (!inPlace) {
        (void)platform::RemoveFile(path);
    }
    show(SaveFailure(path, *reason));
    return false;
}

} // namespace k7r
