#include "platform/command_line.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <shellapi.h>

namespace k7r::platform {

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(Narrow(words[i]));
    }
    ::LocalFree(words);
    return arguments;
}

} // namespace k7r::platform
