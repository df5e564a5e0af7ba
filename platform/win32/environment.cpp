#include "platform/environment.h"
#include "platform/win32/wide_text.h"

#include <cstdlib>

namespace k7r::platform {

// The C runtime's wide environment: the one that holds what this process
// set for itself, as well as what it was started with, in any script.
std::optional<std::string> EnvironmentVariable(const char* name) {
    const wchar_t* value = _wgetenv(Widen(name).c_str());
    return value != nullptr ? std::optional<std::string>(Narrow(value)) : std::nullopt;
}

} // namespace k7r::platform
