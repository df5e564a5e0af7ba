#include "platform/console_keys.h"

#include <conio.h>
#include <cstdio>
#include <io.h>

namespace k7r::platform {

// _getch reads the console without echo and needs no mode of its own.
ConsoleKeys::ConsoleKeys() = default;
ConsoleKeys::~ConsoleKeys() = default;

std::optional<int> ConsoleKeys::Read() {
    if (!_isatty(_fileno(stdin))) {
        int c = std::getchar();
        return c == EOF ? std::nullopt : std::optional<int>(c);
    }
    int key = _getch();
    if (key == 0 || key == 0xE0) {
        // An arrow or function key: a second code names it.
        return kExtendedKey + _getch();
    }
    return key;
}

} // namespace k7r::platform
