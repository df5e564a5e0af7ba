#include "containers/config_file.h"

#include "containers/config_image.h"
#include "containers/container_kind.h"
#include "containers/messages.h"
#include "platform/file.h"
#include "platform/file_ops.h"
#include "platform/replacement_file.h"

#include <optional>

namespace k7r::containers {
namespace {

using platform::File;
using platform::FileAccess;
using platform::FileLock;
using platform::FileVersion;
using platform::Result;
using platform::Status;

// Why an operation failed, ready to show; nothing on success.
using Reason = std::optional<std::string>;

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

// Makes the opened file the one this save holds alone: no other save or
// reader of these programs has it, and no other save has put a new file
// under its name since it was opened (its content would be lost).
Status HoldForSave(File& file, const std::string& path) {
    if (Status locked = file.TryLock(FileLock::Exclusive); !locked) {
        return locked;
    }
    if (!file.IsNamedBy(path)) {
        return platform::Refusal::InUse;
    }
    return platform::Ok();
}

// The file's length, for reading it whole; the reason when it is empty or
// cannot be had.
Reason LengthToRead(const File& file, std::uint64_t& length) {
    const Result<std::uint64_t> got = file.Length();
    if (!got) {
        return SystemText(got.error());
    }
    if (*got == 0) {
        return std::string(messages::kZeroLength);
    }
    length = *got;
    return std::nullopt;
}

// Why a file could not be read: the file itself, or its content, which
// holds no record that can be read (an empty file holds none either).
struct ReadFailure {
    std::string reason;
    bool inContent;
};

// Why reading the image failed, if it did. A file that changed while it
// was read leaves nothing of what the kinds made of it.
Reason ReadingFailure(const ImageSource& image) {
    if (const std::optional<platform::SystemError> failure = image.Failure()) {
        return SystemText(*failure);
    }
    return std::nullopt;
}

// Runs read over the whole file, while no save of these programs can change
// it, and gives the version read when asked. Returns why it could not, or
// nothing on success.
template <typename Read>
std::optional<ReadFailure> ReadWholeFile(const std::string& path, Read read,
                                         FileVersion* version = nullptr) {
    Result<File> file = File::Open(path, FileAccess::Read);
    if (!file) {
        return ReadFailure{SystemText(file.error()), false};
    }
    if (Status locked = file->TryLock(FileLock::Shared); !locked) {
        return ReadFailure{SystemText(locked.error()), false};
    }
    // Taken before reading: a change made while the file is read counts as
    // one made after it.
    const Result<FileVersion> opened = file->Version();
    if (!opened) {
        return ReadFailure{SystemText(opened.error()), false};
    }
    std::uint64_t length = 0;
    if (Reason reason = LengthToRead(*file, length)) {
        return ReadFailure{*reason, *reason == messages::kZeroLength};
    }
    const ImageSource image(*file, length);
    std::string_view message;
    const bool done = read(image, message);
    if (Reason failure = ReadingFailure(image)) {
        return ReadFailure{*failure, false};
    }
    if (!done) {
        return ReadFailure{std::string(message), true};
    }
    if (version != nullptr) {
        *version = *opened;
    }
    return std::nullopt;
}

// How the save changes the file; the reason when it cannot.
Reason WorkOutChange(const ImageSource& image, const HAL_STRUCT& working, bool preserveAddresses,
                     ImageChange& change) {
    std::string_view message;
    const bool worked = WriteConfigImage(image, working, preserveAddresses, change, message);
    if (Reason failure = ReadingFailure(image)) {
        return failure;
    }
    if (!worked) {
        return std::string(message);
    }
    return std::nullopt;
}

std::span<const std::uint8_t> BytesOf(const HAL_STRUCT& record) {
    return {reinterpret_cast<const std::uint8_t*>(&record), sizeof record};
}

// A rewrite into the replacement: the bytes it makes appended, stretches
// of the old file copied from it.
class ReplacementSink final : public RewriteSink {
  public:
    ReplacementSink(platform::ReplacementFile& out, const File& source)
        : out_(out), source_(source) {}

    bool Put(std::span<const std::uint8_t> bytes) override {
        status_ = out_.Append(bytes);
        return static_cast<bool>(status_);
    }
    bool Copy(std::uint64_t offset, std::uint64_t length) override {
        status_ = out_.AppendCopy(source_, offset, length);
        return static_cast<bool>(status_);
    }
    const Status& status() const { return status_; }

  private:
    platform::ReplacementFile& out_;
    const File& source_;
    Status status_ = platform::Ok();
};

// Writes the image as the change leaves it into the replacement: around a
// patched record the image's own bytes, or what the rewrite makes.
Status WriteChangedImage(platform::ReplacementFile& out, const ImageSource& image,
                         const ImageChange& change) {
    ReplacementSink sink(out, *image.file());
    if (const auto* patch = std::get_if<RecordPatch>(&change)) {
        const std::uint64_t behind = patch->offset + sizeof patch->record;
        (void)(sink.Copy(0, patch->offset) && sink.Put(BytesOf(patch->record)) &&
               sink.Copy(behind, image.size() - behind));
    } else {
        (void)std::get<ImageRewrite>(change).write(image, sink);
    }
    return sink.status();
}

// Writes the changed image apart, beside the target.
Result<platform::ReplacementFile>
WriteReplacement(const std::string& target, const ImageSource& image, const ImageChange& change) {
    Result<platform::ReplacementFile> replacement = platform::ReplacementFile::Create(target);
    if (!replacement) {
        return replacement;
    }
    const Status written = WriteChangedImage(*replacement, image, change);
    if (const std::optional<platform::SystemError> failure = image.Failure()) {
        return *failure;
    }
    if (!written) {
        return written.error();
    }
    return replacement;
}

// Gives the replacement the looks of model and the times, and puts it in
// the place of replaced, the file under the target's name if there is one
// (which may be model itself). saved, when given, gets the version put in
// place.
Reason PutInPlace(platform::ReplacementFile& replacement, const File& model,
                  platform::AttributeUse use, const platform::FileTimes& times,
                  std::optional<File>& replaced, FileVersion* saved = nullptr) {
    Status status = replacement.TakeAttributes(model, use);
    if (status) {
        status = replacement.SetTimes(times);
    }
    Result<FileVersion> version = FileVersion{};
    if (status && saved != nullptr) {
        version = replacement.Version();
        if (!version) {
            status = version.error();
        }
    }
    if (status) {
        status = replacement.Commit(std::move(replaced));
    }
    if (!status) {
        return SystemText(status.error());
    }
    if (saved != nullptr) {
        *saved = *version;
    }
    return std::nullopt;
}

// Whether no file has the name any more.
bool IsGone(const std::string& path) {
    const Result<std::optional<File>> file = File::OpenIfExists(path, FileAccess::Read);
    return file && !*file;
}

// Refuses a file that is no longer the version a record was read from.
Reason CheckVersion(const File& file, const FileVersion& expected) {
    const Result<FileVersion> found = file.Version();
    if (!found) {
        return SystemText(found.error());
    }
    if (*found != expected) {
        return std::string(messages::kChangedOnDisk);
    }
    return std::nullopt;
}

platform::FileTimes SavedNow(platform::FileTimes times) {
    times.lastAccess = times.lastWrite = platform::CurrentTime();
    return times;
}

// Saves into the file itself. A plain image has its record patched in
// place (its length never changes, and a large image is not copied for 856
// bytes); a kind that re-encodes the file has it written apart and put in
// its place in one step, so that neither a full disk nor a killed process
// can leave it torn, cut or with growth room at its end. On success the
// file keeps its creation time and gets the time of the save; a failed save
// leaves content and times as they were. version, when given, is the
// version the record was read from: any other is refused, and on success
// it becomes the version saved.
Reason SaveInPlace(const std::string& path, const HAL_STRUCT& working, bool preserveAddresses,
                   FileVersion* version = nullptr) {
    // Opened for writing first, also when the file will be replaced: a
    // rename would replace a read-only file just as well.
    Result<File> file = File::Open(path, FileAccess::ReadWrite);
    if (!file) {
        if (version != nullptr && IsGone(path)) {
            return std::string(messages::kNoLongerExists);
        }
        return SystemText(file.error());
    }
    if (Status held = HoldForSave(*file, path); !held) {
        return SystemText(held.error());
    }
    if (version != nullptr) {
        if (Reason changed = CheckVersion(*file, *version)) {
            return changed;
        }
    }
    const Result<platform::FileTimes> times = file->Times();
    if (!times) {
        return SystemText(times.error());
    }
    std::uint64_t length = 0;
    ImageChange change;
    Reason reason = LengthToRead(*file, length);
    const ImageSource image(*file, length);
    if (!reason) {
        reason = WorkOutChange(image, working, preserveAddresses, change);
    }
    std::optional<platform::ReplacementFile> replacement;
    if (const auto* patch = std::get_if<RecordPatch>(&change); patch != nullptr && !reason) {
        const Status patched = file->ReplaceBytesAt(patch->offset, BytesOf(patch->record));
        if (patched) {
            // A failure here costs only the times; the content is right.
            (void)file->SetTimes(SavedNow(*times));
            if (version != nullptr) {
                // One that cannot be read back is known to no file: the
                // next save is refused rather than trusted.
                const Result<FileVersion> saved = file->Version();
                *version = saved ? *saved : FileVersion{};
            }
            return std::nullopt;
        }
        reason = SystemText(patched.error());
    } else if (!reason) {
        Result<platform::ReplacementFile> written = WriteReplacement(path, image, change);
        if (written) {
            replacement.emplace(std::move(*written));
        } else {
            reason = SystemText(written.error());
        }
    }
    // Reading may have touched the access time: the old file keeps its
    // times on failure (on success they are gone with it).
    (void)file->SetTimes(*times);
    if (reason) {
        return reason;
    }
    std::optional<File> replaced(std::move(*file));
    return PutInPlace(*replacement, *replaced, platform::AttributeUse::SameFile, SavedNow(*times),
                      replaced, version);
}

// Saves into a copy of the source under the target's name, replacing what
// is there only once the copy is complete: a failed save leaves no copy and
// an existing target as it was. saved, when given, gets the copy's version.
Reason SaveAsCopy(const std::string& source, const std::string& target, const HAL_STRUCT& working,
                  bool preserveAddresses, FileVersion* saved) {
    Result<File> from = File::Open(source, FileAccess::Read);
    if (!from) {
        return SystemText(from.error());
    }
    if (Status locked = from->TryLock(FileLock::Shared); !locked) {
        return SystemText(locked.error());
    }
    // An existing target must be a file the user may write, as it would be
    // for a copy made over it, and no other program's save.
    Result<std::optional<File>> existing = File::OpenIfExists(target, FileAccess::ReadWrite);
    if (!existing) {
        return SystemText(existing.error());
    }
    if (*existing) {
        if (Status held = HoldForSave(**existing, target); !held) {
            return SystemText(held.error());
        }
    }
    std::uint64_t length = 0;
    if (Reason reason = LengthToRead(*from, length)) {
        return reason;
    }
    const ImageSource image(*from, length);
    ImageChange change;
    if (Reason reason = WorkOutChange(image, working, preserveAddresses, change)) {
        return reason;
    }
    Result<platform::ReplacementFile> replacement = WriteReplacement(target, image, change);
    if (!replacement) {
        return SystemText(replacement.error());
    }
    const platform::FileTime now = platform::CurrentTime();
    return PutInPlace(*replacement, *from, platform::AttributeUse::WritableCopy, {now, now, now},
                      *existing, saved);
}

// SaveConfigFile without its message: path gets the file written into.
// version as for SaveOpenedConfigFile, when given.
Reason SaveWithoutMessage(const std::string& source, const std::string& target,
                          const HAL_STRUCT& working, bool preserveAddresses, FileVersion* version,
                          std::string& path) {
    const bool inPlace = target.empty() || platform::NameSameFile(source, target);
    path = inPlace ? source : target;
    if (!HasAcceptedExtension(path)) {
        return std::string(messages::kUnsupportedType);
    }
    return inPlace ? SaveInPlace(path, working, preserveAddresses, version)
                   : SaveAsCopy(source, path, working, preserveAddresses, version);
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

RecordRead ReadConfigFile(const std::string& path, config::WorkingConfig& config,
                          std::string& reason, FileVersion* version) {
    if (!HasAcceptedExtension(path)) {
        reason = messages::kUnsupportedType;
        return RecordRead::Unreadable;
    }
    // Adopted into a copy first: a file that changed while it was read is
    // refused after the record was taken from it.
    config::WorkingConfig adopted = config;
    const std::optional<ReadFailure> failure = ReadWholeFile(
        path,
        [&](const ImageSource& image, std::string_view& message) {
            return ReadConfigImage(image, adopted, message);
        },
        version);
    if (failure) {
        reason = failure->reason;
        return failure->inContent ? RecordRead::NoRecord : RecordRead::Unreadable;
    }
    config = adopted;
    return RecordRead::Adopted;
}

bool OpenConfigFile(const std::string& path, config::WorkingConfig& config, const MessageSink& show,
                    FileVersion* version) {
    std::string reason;
    if (ReadConfigFile(path, config, reason, version) != RecordRead::Adopted) {
        show(OpenFailure(path, reason));
        return false;
    }
    return true;
}

bool InspectConfigFile(const std::string& path, HAL_STRUCT& stored, const MessageSink& show) {
    if (!HasAcceptedExtension(path)) {
        show(OpenFailure(path, messages::kUnsupportedType));
        return false;
    }
    HAL_STRUCT found;
    const std::optional<ReadFailure> failure =
        ReadWholeFile(path, [&](const ImageSource& image, std::string_view& message) {
            return LocateConfigRecord(image, false, found, message) == kRecordFound;
        });
    if (failure) {
        show(OpenFailure(path, failure->reason));
        return false;
    }
    stored = found;
    return true;
}

bool SaveConfigFile(const std::string& source, const std::string& target, const HAL_STRUCT& working,
                    bool preserveAddresses, const MessageSink& show) {
    std::string path;
    const Reason reason =
        SaveWithoutMessage(source, target, working, preserveAddresses, nullptr, path);
    if (reason) {
        show(SaveFailure(path, *reason));
        return false;
    }
    return true;
}

OpenedFileSave SaveOpenedConfigFile(const std::string& source, const std::string& target,
                                    FileVersion& version, const HAL_STRUCT& working,
                                    const MessageSink& show) {
    std::string path;
    const Reason reason = SaveWithoutMessage(source, target, working, false, &version, path);
    if (!reason) {
        return OpenedFileSave::Saved;
    }
    show(SaveFailure(path, *reason));
    return *reason == messages::kChangedOnDisk ? OpenedFileSave::ChangedOnDisk
                                               : OpenedFileSave::Failed;
}

} // namespace k7r::containers
