#include "platform/file.h"

#include <windows.h>

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

} // namespace

FileTime CurrentTime() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    return FromFiletime(now);
}

Result<File> File::Open(const std::string& path, FileAccess access) {
    const DWORD rights = access == FileAccess::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    HANDLE handle = ::CreateFileA(path.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return LastSystemError();
    }
    return File(reinterpret_cast<NativeHandle>(handle));
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

Status File::SetLength(std::uint64_t length) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(length);
    if (!::SetFilePointerEx(AsHandle(handle_), position, nullptr, FILE_BEGIN) ||
        !::SetEndOfFile(AsHandle(handle_))) {
        return LastSystemError();
    }
    return Ok();
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

} // namespace k7r::platform
