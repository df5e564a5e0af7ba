#include "cli/command.h"

namespace k7r::cli {

// One file cmd_<name>.cpp per command.
int RunShow(Arguments arguments);
int RunCopy(Arguments arguments);
int RunPanels(Arguments arguments);
int RunExport(Arguments arguments);

namespace {

constexpr Command kCommands[] = {
    {"show", "show FILE", "print the configuration record found in FILE", RunShow},
    {"copy", "copy SOURCE TARGET [--preserve-addresses]",
     "write the record of SOURCE into the record of TARGET", RunCopy},
    {"panels", "panels [--def PATH]", "list the predefined panels of the panel definition file",
     RunPanels},
    {"export",
     "export KIND FILE [-o PATH] [--mode N] [--cursor] [--no-software-accel] "
     "[--no-hardware-accel]",
     "write FILE's configuration as appcfg, chip, mode, generic, csv or html", RunExport},
};

} // namespace

std::span<const Command> Commands() {
    return kCommands;
}

} // namespace k7r::cli
