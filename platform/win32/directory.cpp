#include "platform/directory.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace k7r::platform {
namespace {

// A text the system fills in, grown until the whole of it fits.
template <typename Query>
Result<std::string> SystemText(Query query) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = query(static_cast<DWORD>(text.size()), text.data());
        if (length == 0) {
            return LastSystemError();
        }
        if (length < text.size()) {
            text.resize(length);
            return Narrow(text);
        }
        text.resize(length);
    }
}

} // namespace

Result<std::vector<DirectoryEntry>> ListDirectory(const std::string& path) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(WidePath(JoinPath(path, "*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return LastSystemError();
    }
    std::vector<DirectoryEntry> entries;
    do {
        if (std::wstring_view(found.cFileName) != L".") {
            entries.push_back({Narrow(found.cFileName),
                               (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return entries;
}

Result<std::string> CurrentDirectory() {
    return SystemText(::GetCurrentDirectoryW);
}

Status ChangeDirectory(const std::string& path) {
    if (!::SetCurrentDirectoryW(Widen(path).c_str())) {
        return LastSystemError();
    }
    return Ok();
}

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

std::vector<char> LogicalDrives() {
    std::vector<char> letters;
    const DWORD drives = ::GetLogicalDrives();
    for (int drive = 0; drive < 26; ++drive) {
        if ((drives & (1u << drive)) != 0) {
            letters.push_back(static_cast<char>('a' + drive));
        }
    }
    return letters;
}

std::string TemporaryDirectory() {
    Result<std::string> directory = SystemText(::GetTempPathW);
    if (!directory) {
        return ".";
    }
    // "C:\TEMP\" gives "C:\TEMP"; a drive's root keeps its separator.
    if (directory->size() > 3 && directory->back() == kPathSeparator) {
        directory->pop_back();
    }
    return *directory;
}

} // namespace k7r::platform
