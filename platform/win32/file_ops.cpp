#include "platform/file_ops.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <optional>

namespace k7r::platform {
namespace {

// Windows file names compare without regard to ASCII letter case.
bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

struct FileIdentity {
    DWORD volume;
    DWORD indexHigh;
    DWORD indexLow;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    HANDLE handle = ::CreateFileW(WidePath(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info;
    const BOOL known = ::GetFileInformationByHandle(handle, &info);
    ::CloseHandle(handle);
    if (!known) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

} // namespace

bool NameSameFile(const std::string& first, const std::string& second) {
    if (EqualIgnoringCase(first, second)) {
        return true;
    }
    const std::optional<FileIdentity> a = IdentityOf(first);
    return a && a == IdentityOf(second);
}

} // namespace k7r::platform
