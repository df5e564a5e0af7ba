#include "cli/command.h"

namespace k7r::cli {

// One file cmd_<name>.cpp per command.
int RunShow(Arguments arguments);
int RunCopy(Arguments arguments);

namespace {

constexpr Command kCommands[] = {
    {"show", "show FILE", "print the configuration record found in FILE", RunShow},
    {"copy", "copy SOURCE TARGET [--preserve-addresses]",
     "write the record of SOURCE into the record of TARGET", RunCopy},
};

} // namespace

std::span<const Command> Commands() {
    return kCommands;
}

} // namespace k7r::cli
