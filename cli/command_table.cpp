#include "cli/command.h"

namespace k7r::cli {

// One file cmd_<name>.cpp per command.
int RunShow(Arguments arguments);
int RunCopy(Arguments arguments);
int RunFields(Arguments arguments);

namespace {

constexpr Command kCommands[] = {
    {"show", "show FILE", "print the configuration record found in FILE", RunShow},
    {"copy", "copy SOURCE TARGET [--preserve-addresses]",
     "write the record of SOURCE into the record of TARGET", RunCopy},
    {"fields", "fields [ID...] [--help-text]",
     "list the settings (all, or those with the ids given) and their registers", RunFields},
};

} // namespace

std::span<const Command> Commands() {
    return kCommands;
}

} // namespace k7r::cli
