#include "cli/command.h"

namespace k7r::cli {

// One file cmd_<name>.cpp per command.
int RunShow(Arguments arguments);
int RunCopy(Arguments arguments);
int RunConfigure(Arguments arguments);
int RunPanels(Arguments arguments);

namespace {

constexpr Command kCommands[] = {
    {"show", "show FILE", "print the configuration record found in FILE", RunShow},
    {"copy", "copy SOURCE TARGET [--preserve-addresses]",
     "write the record of SOURCE into the record of TARGET", RunCopy},
    {"configure", "configure --from SOURCE [--preserve-addresses] FILE...",
     "write the record of SOURCE into every FILE and summarise", RunConfigure},
    {"panels", "panels [--def PATH]", "list the predefined panels of the panel definition file",
     RunPanels},
};

} // namespace

std::span<const Command> Commands() {
    return kCommands;
}

} // namespace k7r::cli
