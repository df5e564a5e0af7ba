#pragma once

#include <optional>

namespace k7r::platform {

// Single key presses from the console, unechoed and without waiting for
// Enter, for as long as the object lives; the console's own mode comes back
// when it is destroyed, and on the POSIX side also when a signal ends the
// program. Keys that send a sequence (arrows, function keys) read as one
// code above 255. Input that is not a console is read byte by byte.
class ConsoleKeys {
  public:
    static constexpr int kExtendedKey = 0x100;

    ConsoleKeys();
    ~ConsoleKeys();
    ConsoleKeys(const ConsoleKeys&) = delete;
    ConsoleKeys& operator=(const ConsoleKeys&) = delete;

    // The next key; nothing once input has ended.
    std::optional<int> Read();
};

} // namespace k7r::platform
