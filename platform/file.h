#pragma once

#include "platform/system_error.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace k7r::platform {

// A point in time as file systems keep it, exact on both platforms:
// seconds since 1970-01-01 UTC and the nanoseconds within that second.
struct FileTime {
    std::int64_t seconds = 0;
    std::uint32_t nanoseconds = 0;

    friend auto operator<=>(const FileTime&, const FileTime&) = default;
};

struct FileTimes {
    // POSIX systems cannot set it; there it is read when the file system
    // records it (zero otherwise) and left alone on writing.
    FileTime creation;
    FileTime lastAccess;
    FileTime lastWrite;
};

FileTime CurrentTime();

// Tells one state of a file from another: which file it is (device and
// inode, or volume serial number and file index), how long it is and when
// it was last written. Another program that rewrites the file, or puts a
// new file under its name, changes it.
struct FileVersion {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    std::uint64_t length = 0;
    FileTime lastWrite;

    friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

enum class FileAccess { Read, ReadWrite };

// Readers share a file; a save holds it alone.
enum class FileLock { Shared, Exclusive };

// An operating-system handle: a file descriptor or a Windows HANDLE.
using NativeHandle = std::intptr_t;

// An open existing regular file. Other openers may read and write it
// meanwhile; only the advisory lock of TryLock keeps them apart.
class File {
  public:
    // Never creates a file, and never waits: a directory, FIFO, device or
    // socket is refused before anything is read from it or written to it.
    static Result<File> Open(const std::string& path, FileAccess access);
    // The same, but a name that no file has gives nothing, not an error.
    static Result<std::optional<File>> OpenIfExists(const std::string& path, FileAccess access);

    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File();

    Result<std::uint64_t> Length() const;
    Result<FileTimes> Times() const;
    Status SetTimes(const FileTimes& times);
    Result<FileVersion> Version() const;

    // Takes the lock at once or refuses with Refusal::InUse when another
    // open file holds one that conflicts; it never waits. The lock lasts
    // until the file is closed and does not stop reads or writes of
    // programs that do not ask for it. Where the file system keeps no locks
    // at all, the lock counts as taken.
    Status TryLock(FileLock lock);

    // Whether the path still names this file: a save elsewhere may have put
    // a new file in its place since it was opened.
    bool IsNamedBy(const std::string& path) const;

    // Reads the file's bytes from offset on into bytes until they are full;
    // fewer only where the file ends.
    Result<std::size_t> ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) const;

    // Writes bytes over the file's bytes at offset and flushes them to
    // disk, so that a save is kept once it is reported. When the system
    // stops part way (a full disk, a file size limit) or cannot flush, the
    // old bytes are put back first, so that the file holds all old or all
    // new bytes.
    Status ReplaceBytesAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);

    // A C stream over the file, for libraries that read through stdio;
    // mode as for fopen ("r" or "rb"). The stream owns the file from then
    // on and the File is left closed; null when the system refuses.
    std::FILE* ReleaseToStream(const char* mode);

    NativeHandle handle() const { return handle_; }

  private:
    friend class ReplacementFile;
    explicit File(NativeHandle handle) : handle_(handle) {}
    void Close();

    NativeHandle handle_;
};

// A file created, or emptied, for writing through a C stream, as
// fopen(path, "wb") gives it, for names of any characters and length; null
// when the system refuses.
std::FILE* CreateWriteStream(const std::string& path);

} // namespace k7r::platform
