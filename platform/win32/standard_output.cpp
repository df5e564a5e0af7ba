#include "platform/standard_output.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace k7r::platform {

void UseBinaryStandardOutput() {
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
}

} // namespace k7r::platform
