#include "platform/file.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstring>
#include <vector>

namespace k7r::platform {
namespace {

// FILETIME counts 100-ns ticks from 1601-01-01; FileTime starts at 1970.
constexpr std::int64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;

FileTime FromFiletime(const FILETIME& t) {
    const std::int64_t ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    return {ticks / kTicksPerSecond - kSecondsFrom1601To1970,
            static_cast<std::uint32_t>(ticks % kTicksPerSecond) * 100};
}

FILETIME ToFiletime(const FileTime& t) {
    const std::uint64_t ticks = static_cast<std::uint64_t>(
        (t.seconds + kSecondsFrom1601To1970) * kTicksPerSecond + t.nanoseconds / 100);
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

HANDLE AsHandle(NativeHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// The lock covers one byte far beyond any real file's end: Windows locks
// stop reads and writes of the bytes they cover, and these must not.
constexpr DWORD kLockOffsetLow = 0xFFFFFFF0;
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

// Writes all bytes at offset; done says how many made it when the system
// stopped part way.
Status WriteAllAt(HANDLE handle, std::uint64_t offset, std::span<const std::uint8_t> bytes,
                  std::size_t& done) {
    done = 0;
    while (done < bytes.size()) {
        OVERLAPPED position = At(offset + done);
        DWORD put = 0;
        if (!::WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &put,
                         &position)) {
            return LastSystemError();
        }
        done += put;
    }
    return Ok();
}

// Reads bytes at offset until they are full or the file ends; how many.
Result<std::size_t> ReadAllAt(HANDLE handle, std::uint64_t offset, std::span<std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        OVERLAPPED position = At(offset + done);
        DWORD got = 0;
        if (!::ReadFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got,
                        &position)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            return LastSystemError();
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

} // namespace

FileTime CurrentTime() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return FromFiletime(now);
}

Result<std::optional<File>> File::OpenIfExists(const std::string& path, FileAccess access) {
    // A directory cannot be opened as a file at all: say so rather than
    // "Access is denied.".
    const std::wstring name = WidePath(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Refusal::Directory;
    }
    const DWORD rights = access == FileAccess::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    HANDLE handle = ::CreateFileW(name.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const SystemError error = LastSystemError();
        if (error.code == ERROR_FILE_NOT_FOUND || error.code == ERROR_PATH_NOT_FOUND) {
            return std::optional<File>();
        }
        return error;
    }
    File file(reinterpret_cast<NativeHandle>(handle));
    // Devices (CON, NUL, COM1) and pipes open like files, but have no
    // place on a volume. GetFileType alone would tell too, but Wine touches
    // a file's access time with it.
    BY_HANDLE_FILE_INFORMATION info;
    if (::GetFileInformationByHandle(handle, &info)) {
        return std::optional<File>(std::move(file));
    }
    switch (::GetFileType(handle)) {
    case FILE_TYPE_DISK:
        return std::optional<File>(std::move(file));
    case FILE_TYPE_PIPE:
        return Refusal::Fifo;
    default:
        return Refusal::Device;
    }
}

Result<File> File::Open(const std::string& path, FileAccess access) {
    Result<std::optional<File>> file = OpenIfExists(path, access);
    if (!file) {
        return file.error();
    }
    if (!*file) {
        return SystemError{ERROR_FILE_NOT_FOUND};
    }
    return std::move(**file);
}

File::File(File&& other) noexcept : handle_(other.handle_) {
    other.handle_ = reinterpret_cast<NativeHandle>(INVALID_HANDLE_VALUE);
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = reinterpret_cast<NativeHandle>(INVALID_HANDLE_VALUE);
    }
    return *this;
}

File::~File() {
    Close();
}

void File::Close() {
    if (AsHandle(handle_) != INVALID_HANDLE_VALUE) {
        ::CloseHandle(AsHandle(handle_));
        handle_ = reinterpret_cast<NativeHandle>(INVALID_HANDLE_VALUE);
    }
}

Result<std::uint64_t> File::Length() const {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(AsHandle(handle_), &size)) {
        return LastSystemError();
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

Result<FileTimes> File::Times() const {
    FILETIME creation, access, write;
    if (!::GetFileTime(AsHandle(handle_), &creation, &access, &write)) {
        return LastSystemError();
    }
    return FileTimes{FromFiletime(creation), FromFiletime(access), FromFiletime(write)};
}

Status File::SetTimes(const FileTimes& times) {
    const FILETIME creation = ToFiletime(times.creation);
    const FILETIME access = ToFiletime(times.lastAccess);
    const FILETIME write = ToFiletime(times.lastWrite);
    if (!::SetFileTime(AsHandle(handle_), &creation, &access, &write)) {
        return LastSystemError();
    }
    return Ok();
}

Status File::TryLock(FileLock lock) {
    OVERLAPPED position{};
    position.Offset = kLockOffsetLow;
    position.OffsetHigh = kLockOffsetHigh;
    const DWORD flags =
        LOCKFILE_FAIL_IMMEDIATELY | (lock == FileLock::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (!::LockFileEx(AsHandle(handle_), flags, 0, 1, 0, &position) &&
        ::GetLastError() == ERROR_LOCK_VIOLATION) {
        return Refusal::InUse;
    }
    return Ok();
}

Result<FileVersion> File::Version() const {
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(AsHandle(handle_), &info)) {
        return LastSystemError();
    }
    return FileVersion{info.dwVolumeSerialNumber,
                       (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                       (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
                       FromFiletime(info.ftLastWriteTime)};
}

bool File::IsNamedBy(const std::string& path) const {
    BY_HANDLE_FILE_INFORMATION mine;
    if (!::GetFileInformationByHandle(AsHandle(handle_), &mine)) {
        return false;
    }
    HANDLE named = ::CreateFileW(WidePath(path).c_str(), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (named == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION theirs;
    const BOOL known = ::GetFileInformationByHandle(named, &theirs);
    ::CloseHandle(named);
    return known && mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber &&
           mine.nFileIndexHigh == theirs.nFileIndexHigh &&
           mine.nFileIndexLow == theirs.nFileIndexLow;
}

Result<std::size_t> File::ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) const {
    return ReadAllAt(AsHandle(handle_), offset, bytes);
}

Status File::ReplaceBytesAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> old(bytes.size());
    const Result<std::size_t> got = ReadAt(offset, old);
    if (!got) {
        return got.error();
    }
    if (*got != old.size()) {
        return SystemError{ERROR_HANDLE_EOF};
    }
    std::size_t written = 0;
    Status status = WriteAllAt(AsHandle(handle_), offset, bytes, written);
    if (status && !::FlushFileBuffers(AsHandle(handle_))) {
        status = LastSystemError();
    }
    if (!status) {
        std::size_t restored = 0;
        (void)WriteAllAt(AsHandle(handle_), offset, std::span(old).first(written), restored);
    }
    return status;
}

std::FILE* File::ReleaseToStream(const char* mode) {
    const bool text = std::strchr(mode, 'b') == nullptr;
    const int descriptor = _open_osfhandle(handle_, _O_RDONLY | (text ? _O_TEXT : _O_BINARY));
    if (descriptor < 0) {
        return nullptr;
    }
    // The descriptor owns the handle now.
    handle_ = reinterpret_cast<NativeHandle>(INVALID_HANDLE_VALUE);
    std::FILE* stream = _fdopen(descriptor, mode);
    if (stream == nullptr) {
        _close(descriptor);
    }
    return stream;
}

std::FILE* CreateWriteStream(const std::string& path) {
    return ::_wfopen(WidePath(path).c_str(), L"wb");
}

} // namespace k7r::platform
