#include "platform/file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <vector>

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

// What a name that is not a regular file is refused as.
Refusal RefusalFor(mode_t mode) {
    if (S_ISREG(mode)) {
        return Refusal::None;
    }
    if (S_ISDIR(mode)) {
        return Refusal::Directory;
    }
    if (S_ISFIFO(mode)) {
        return Refusal::Fifo;
    }
    if (S_ISSOCK(mode)) {
        return Refusal::Socket;
    }
    return Refusal::Device;
}

// Runs a read or write call again when a signal interrupts it.
template <typename Call>
ssize_t Retrying(Call call) {
    ssize_t result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

// Writes all bytes at offset; done says how many made it when the system
// stopped part way.
Status WriteAllAt(int fd, std::uint64_t offset, std::span<const std::uint8_t> bytes,
                  std::size_t& done) {
    done = 0;
    while (done < bytes.size()) {
        const ssize_t put = Retrying([&] {
            return ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                            static_cast<off_t>(offset + done));
        });
        if (put < 0) {
            return LastSystemError();
        }
        done += static_cast<std::size_t>(put);
    }
    return Ok();
}

} // namespace

Result<std::size_t> File::ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = Retrying([&] {
            return ::pread(static_cast<int>(handle_), bytes.data() + done, bytes.size() - done,
                           static_cast<off_t>(offset + done));
        });
        if (got < 0) {
            return LastSystemError();
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

FileTime CurrentTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return FromTimespec(now);
}

Result<std::optional<File>> File::OpenIfExists(const std::string& path, FileAccess access) {
    // Looked at before opening: opening a device can have effects of its
    // own (a tape rewinds, a terminal becomes ours).
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return std::optional<File>();
        }
        return LastSystemError();
    }
    if (const Refusal refusal = RefusalFor(info.st_mode); refusal != Refusal::None) {
        return refusal;
    }
    // Without O_NONBLOCK a FIFO put in the file's place meanwhile would
    // block the open until a writer came.
    const int flags =
        (access == FileAccess::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        return LastSystemError();
    }
    File file(fd);
    if (::fstat(fd, &info) != 0) {
        return LastSystemError();
    }
    if (const Refusal refusal = RefusalFor(info.st_mode); refusal != Refusal::None) {
        return refusal;
    }
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        return LastSystemError();
    }
    return std::optional<File>(std::move(file));
}

Result<File> File::Open(const std::string& path, FileAccess access) {
    Result<std::optional<File>> file = OpenIfExists(path, access);
    if (!file) {
        return file.error();
    }
    if (!*file) {
        return SystemError{ENOENT};
    }
    return std::move(**file);
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

// flock rather than fcntl locks: those vanish when any descriptor of the
// file closes anywhere in the process, and a save opens the file more than
// once.
Status File::TryLock(FileLock lock) {
    const int operation = (lock == FileLock::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    int result;
    do {
        result = ::flock(static_cast<int>(handle_), operation);
    } while (result != 0 && errno == EINTR);
    if (result != 0 && errno == EWOULDBLOCK) {
        return Refusal::InUse;
    }
    return Ok();
}

Result<FileVersion> File::Version() const {
    struct stat info {};
    if (::fstat(static_cast<int>(handle_), &info) != 0) {
        return LastSystemError();
    }
    return FileVersion{static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino),
                       static_cast<std::uint64_t>(info.st_size), FromTimespec(info.st_mtim)};
}

bool File::IsNamedBy(const std::string& path) const {
    struct stat mine {};
    struct stat named {};
    return ::fstat(static_cast<int>(handle_), &mine) == 0 && ::stat(path.c_str(), &named) == 0 &&
           mine.st_dev == named.st_dev && mine.st_ino == named.st_ino;
}

Status File::ReplaceBytesAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    const int fd = static_cast<int>(handle_);
    std::vector<std::uint8_t> old(bytes.size());
    const Result<std::size_t> got = ReadAt(offset, old);
    if (!got) {
        return got.error();
    }
    if (*got != old.size()) {
        return SystemError{EIO};
    }
    std::size_t written = 0;
    Status status = WriteAllAt(fd, offset, bytes, written);
    if (status && ::fdatasync(fd) != 0) {
        status = LastSystemError();
    }
    if (!status) {
        std::size_t restored = 0;
        (void)WriteAllAt(fd, offset, std::span(old).first(written), restored);
    }
    return status;
}

std::FILE* File::ReleaseToStream(const char* mode) {
    std::FILE* stream = ::fdopen(static_cast<int>(handle_), mode);
    if (stream != nullptr) {
        handle_ = -1;
    }
    return stream;
}

std::FILE* CreateWriteStream(const std::string& path) {
    return std::fopen(path.c_str(), "wb");
}

} // namespace k7r::platform
