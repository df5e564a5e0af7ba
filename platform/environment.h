#pragma once

#include <optional>
#include <string>

namespace k7r::platform {

// The value of an environment variable, in UTF-8 whatever the system's code
// page (it may name a file); nothing when the variable is not set.
std::optional<std::string> EnvironmentVariable(const char* name);

} // namespace k7r::platform
