#pragma once

#include <string>

namespace k7r::cli {

// The program's manual page in roff (man(7)), made from the command table:
// every command with its usage, what it does, its options and an example.
std::string ManualPage();

} // namespace k7r::cli
