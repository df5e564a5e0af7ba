#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace k7r::platform {
namespace {

FileTime FromTimespec(const timespec& t) {
    return {static_cast<std::int64_t>(t.tv_sec), static_cast<std::uint32_t>(t.tv_nsec)};
}

FileTime FromStatx(const statx_timestamp& t) {
    return {static_cast<std::int64_t>(t.tv_sec), t.tv_nsec};
}

timespec ToTimespec(const FileTime& t) {
    return {static_cast<time_t>(t.seconds), static_cast<long>(t.nanoseconds)};
}

} // namespace

FileTime CurrentTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return FromTimespec(now);
}

Result<File> File::Open(const std::string& path, FileAccess access) {
    const int flags = (access == FileAccess::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        return LastSystemError();
    }
    return File(fd);
}

File::File(File&& other) noexcept : handle_(other.handle_) {
    other.handle_ = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = -1;
    }
    return *this;
}

File::~File() {
    Close();
}

void File::Close() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
        handle_ = -1;
    }
}

Result<std::uint64_t> File::Length() const {
    struct stat info {};
    if (::fstat(static_cast<int>(handle_), &info) != 0) {
        return LastSystemError();
    }
    return static_cast<std::uint64_t>(info.st_size);
}

Status File::SetLength(std::uint64_t length) {
    if (::ftruncate(static_cast<int>(handle_), static_cast<off_t>(length)) != 0) {
        return LastSystemError();
    }
    return Ok();
}

Result<FileTimes> File::Times() const {
    struct statx info {};
    if (::statx(static_cast<int>(handle_), "", AT_EMPTY_PATH,
                STATX_ATIME | STATX_MTIME | STATX_BTIME, &info) != 0) {
        return LastSystemError();
    }
    FileTimes times;
    if ((info.stx_mask & STATX_BTIME) != 0) {
        times.creation = FromStatx(info.stx_btime);
    }
    times.lastAccess = FromStatx(info.stx_atime);
    times.lastWrite = FromStatx(info.stx_mtime);
    return times;
}

Status File::SetTimes(const FileTimes& times) {
    const timespec accessAndWrite[2] = {ToTimespec(times.lastAccess), ToTimespec(times.lastWrite)};
    if (::futimens(static_cast<int>(handle_), accessAndWrite) != 0) {
        return LastSystemError();
    }
    return Ok();
}

} // namespace k7r::platform
