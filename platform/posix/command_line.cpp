#include "platform/command_line.h"

namespace k7r::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

} // namespace k7r::platform
