#pragma once

#include "platform/file.h"

#include <optional>
#include <span>
#include <string>

namespace k7r::platform {

// How a new file takes on the looks of an existing one.
enum class AttributeUse {
    // It takes that file's place: same permissions and owner (POSIX), same
    // attributes (Windows).
    SameFile,
    // It is a copy of that file: its permissions made writable for the
    // owner (POSIX), ordinary attributes (Windows), so that a copy of a
    // read-only file can be written.
    WritableCopy,
};

// The new content of a file, written apart under a temporary name in the
// directory of the file it is to replace, and put in that file's place in
// one step once it is complete. Until then the file under the target name
// stays as it was whatever happens (a full disk, a killed process), and a
// replacement given up is removed again. On POSIX a target that is a
// symbolic link has the file it leads to replaced, as writing through the
// link would have changed that file.
class ReplacementFile {
  public:
    // An empty file beside target, with the permissions a newly created
    // file gets.
    static Result<ReplacementFile> Create(const std::string& target);

    ReplacementFile(ReplacementFile&& other) noexcept;
    ReplacementFile& operator=(ReplacementFile&&) = delete;
    ~ReplacementFile();

    Status Append(std::span<const std::uint8_t> bytes);
    // Appends length bytes of source from offset on, without passing them
    // through the program where the system can copy between files itself.
    // Refuses with Refusal::ChangedWhileRead when source ends before them.
    Status AppendCopy(const File& source, std::uint64_t offset, std::uint64_t length);
    Status TakeAttributes(const File& model, AttributeUse use);
    // After the last Append, which would change the times again.
    Status SetTimes(const FileTimes& times);
    // The version the file has once it is in place: putting it there keeps
    // it. Before Commit.
    Result<FileVersion> Version() const { return file_->Version(); }

    // Puts the file, flushed to disk, in the target's place. replaced is the
    // file under the target name as the caller opened (and locked) it, if
    // there is one: where the system can replace an open file (POSIX) it
    // stays open, and locked, until the new file stands; where it cannot
    // (Windows) it is closed just before.
    Status Commit(std::optional<File> replaced);

  private:
    ReplacementFile(std::string target, std::string temporary, NativeHandle handle)
        : target_(std::move(target)), temporary_(std::move(temporary)), file_(File(handle)) {}

    std::string target_;
    std::string temporary_;
    // Open until Commit closes it.
    std::optional<File> file_;
    bool committed_ = false;
    // Windows attributes to give the file before it takes the target's
    // place; 0 for none.
    std::uint32_t attributes_ = 0;
};

} // namespace k7r::platform
