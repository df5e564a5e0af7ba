#include "platform/standard_output.h"

#include <cstdio>
#include <unistd.h>

namespace k7r::platform {

// POSIX streams never translate line ends.
void UseBinaryStandardOutput() {}

struct ConsoleText::Relay {};
ConsoleText::ConsoleText() = default;
ConsoleText::~ConsoleText() = default;

bool StandardErrorIsTerminal() {
    return isatty(fileno(stderr)) != 0;
}

} // namespace k7r::platform
