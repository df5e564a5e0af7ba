#pragma once

#include <string>
#include <vector>

namespace k7r::platform {

// The words after the program's name, in UTF-8. Windows gives argv in the
// user's code page, which cannot spell every file name: there they are read
// from the system's wide-character command line instead, and argv is unused.
std::vector<std::string> ProgramArguments(int argc, char** argv);

} // namespace k7r::platform
