#include "platform/executable_dir.h"

#include <filesystem>
#include <system_error>

namespace k7r::platform {

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return executable.parent_path().string();
}

} // namespace k7r::platform
