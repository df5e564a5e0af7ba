#include "platform/directory.h"

#include <windows.h>

#include <cstring>

namespace k7r::platform {
namespace {

// A text the system fills in, grown until the whole of it fits.
template <typename Query>
Result<std::string> SystemText(Query query) {
    std::string text(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = query(static_cast<DWORD>(text.size()), text.data());
        if (length == 0) {
            return LastSystemError();
        }
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length);
    }
}

} // namespace

Result<std::vector<DirectoryEntry>> ListDirectory(const std::string& path) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = ::FindFirstFileA(JoinPath(path, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return LastSystemError();
    }
    std::vector<DirectoryEntry> entries;
    do {
        if (std::strcmp(found.cFileName, ".") != 0) {
            entries.push_back(
                {found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return entries;
}

Result<std::string> CurrentDirectory() {
    return SystemText(::GetCurrentDirectoryA);
}

Status ChangeDirectory(const std::string& path) {
    if (!::SetCurrentDirectoryA(path.c_str())) {
        return LastSystemError();
    }
    return Ok();
}

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
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
    Result<std::string> directory = SystemText(::GetTempPathA);
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
