#include "platform/file_ops.h"

#include <sys/stat.h>

namespace k7r::platform {

bool NameSameFile(const std::string& first, const std::string& second) {
    if (first == second) {
        return true;
    }
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace k7r::platform
