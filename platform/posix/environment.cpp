#include "platform/environment.h"

#include <cstdlib>

namespace k7r::platform {

std::optional<std::string> EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace k7r::platform
