#include "platform/directory.h"
#include "platform/environment.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace k7r::platform {

Result<std::vector<DirectoryEntry>> ListDirectory(const std::string& path) {
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(path.c_str()), ::closedir);
    if (directory == nullptr) {
        return LastSystemError();
    }
    std::vector<DirectoryEntry> entries;
    while (const dirent* entry = ::readdir(directory.get())) {
        if (std::strcmp(entry->d_name, ".") == 0) {
            continue;
        }
        // d_type is not filled in by every file system; stat always tells.
        struct stat status {};
        const std::string full = JoinPath(path, entry->d_name);
        const bool isDirectory = ::stat(full.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
        entries.push_back({entry->d_name, isDirectory});
    }
    return entries;
}

Result<std::string> CurrentDirectory() {
    const std::unique_ptr<char, void (*)(void*)> path(::getcwd(nullptr, 0), std::free);
    if (path == nullptr) {
        return LastSystemError();
    }
    return std::string(path.get());
}

Status ChangeDirectory(const std::string& path) {
    if (::chdir(path.c_str()) != 0) {
        return LastSystemError();
    }
    return Ok();
}

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::vector<char> LogicalDrives() {
    return {};
}

std::string TemporaryDirectory() {
    std::string directory = EnvironmentVariable("TMPDIR").value_or("");
    if (directory.empty()) {
        directory = "/tmp";
    }
    while (directory.size() > 1 && directory.back() == kPathSeparator) {
        directory.pop_back();
    }
    return directory;
}

} // namespace k7r::platform
