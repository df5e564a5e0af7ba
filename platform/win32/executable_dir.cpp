#include "platform/executable_dir.h"

#include <windows.h>

namespace k7r::platform {

std::string ExecutableDirectory() {
    // The module name has no length limit of its own: the buffer grows until
    // the whole name fits rather than leaving a cut path.
    std::string name(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, name.data(), DWORD(name.size()));
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
    for (std::size_t position = name.size() - 1; position >= 2; --position) {
        if (name[position] == '\\') {
            name.resize(position);
            return name;
        }
    }
    return {};
}

} // namespace k7r::platform
