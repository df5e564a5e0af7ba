#pragma once

#include "platform/executable_dir.h"
#include "platform/system_error.h"

#include <string>
#include <vector>

// Directories, drives and the process's current directory, for browsing.
namespace k7r::platform {

struct DirectoryEntry {
    std::string name;
    bool directory = false;
};

// Every entry of the directory but "." itself, in the system's order. ".."
// is among them where the system lists it (not at the root of a Windows
// drive).
Result<std::vector<DirectoryEntry>> ListDirectory(const std::string& path);

Result<std::string> CurrentDirectory();
// A Windows drive given as "c:" becomes that drive's current directory.
Status ChangeDirectory(const std::string& path);

// An existing file that is neither a directory nor a device.
bool IsRegularFile(const std::string& path);

// The name in the directory: the separator goes between them unless the
// directory already ends with one.
inline std::string JoinPath(const std::string& directory, const std::string& name) {
    if (directory.empty() || directory.back() == kPathSeparator) {
        return directory + name;
    }
    return directory + kPathSeparator + name;
}

// The letters of the drives present, lower case, in drive order; none on
// systems without drive letters.
std::vector<char> LogicalDrives();

// The system's directory for temporary files, without a separator at its
// end.
std::string TemporaryDirectory();

} // namespace k7r::platform
