#pragma once

#include "platform/system_error.h"

#include <cstdint>
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

enum class FileAccess { Read, ReadWrite };

// An operating-system handle: a file descriptor or a Windows HANDLE.
using NativeHandle = std::intptr_t;

// An open existing file. Other openers may read and write it meanwhile: the
// file is not locked.
class File {
  public:
    // Never creates a file.
    static Result<File> Open(const std::string& path, FileAccess access);

    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    ~File();

    Result<std::uint64_t> Length() const;
    // Cuts the file or extends it with zero bytes.
    Status SetLength(std::uint64_t length);
    Result<FileTimes> Times() const;
    Status SetTimes(const FileTimes& times);

    NativeHandle handle() const { return handle_; }

  private:
    explicit File(NativeHandle handle) : handle_(handle) {}
    void Close();

    NativeHandle handle_;
};

} // namespace k7r::platform
