#include "platform/executable_dir.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace k7r::platform {

std::string ExecutableDirectory() {
    // The module name has no length limit of its own: the buffer grows until
    // the whole name fits rather than leaving a cut path.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    // "C:\58C22CFG.EXE" gives "C:", to which callers add "\NAME".
    const std::size_t separator = name.find_last_of(L'\\');
    if (separator == std::wstring::npos || separator < 2) {
        return {};
    }
    name.resize(separator);
    return Narrow(name);
}

} // namespace k7r::platform
