#pragma once

#include <memory>

namespace k7r::platform {

// Standard output writes its bytes as they are: LF stays LF. Windows' C
// runtime would otherwise turn every LF into CR LF.
void UseBinaryStandardOutput();

// For as long as it lives, the UTF-8 text the program writes to standard
// output and standard error shows on a console as the characters it spells:
// a Windows console takes them through its wide-character interface, as it
// would read the bytes in its own code page. Output to a pipe or a file
// stays UTF-8 bytes, and POSIX terminals read UTF-8 themselves. Made first
// thing in main, before anything is written.
class ConsoleText {
  public:
    ConsoleText();
    ~ConsoleText();
    ConsoleText(const ConsoleText&) = delete;
    ConsoleText& operator=(const ConsoleText&) = delete;

  private:
    struct Relay;
    std::unique_ptr<Relay> relay_;
};

// Whether standard error goes to a terminal or console, where a progress
// line may rewrite itself.
bool StandardErrorIsTerminal();

} // namespace k7r::platform
