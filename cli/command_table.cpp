#include "cli/command.h"

namespace k7r::cli {

// One file cmd_<name>.cpp per command.
int RunShow(Arguments arguments);
int RunCopy(Arguments arguments);
int RunFields(Arguments arguments);
int RunGet(Arguments arguments);
int RunSet(Arguments arguments);
int RunRegs(Arguments arguments);
int RunValidate(Arguments arguments);
int RunConfigure(Arguments arguments);
int RunPanels(Arguments arguments);
int RunPanel(Arguments arguments);
int RunExport(Arguments arguments);
int RunInit(Arguments arguments);

namespace {

constexpr Command kCommands[] = {
    {"show", "show FILE", "print the configuration record found in FILE", RunShow},
    {"copy", "copy SOURCE TARGET [--preserve-addresses]",
     "write the record of SOURCE into the record of TARGET", RunCopy},
    {"fields", "fields [ID...] [--help-text]",
     "list the settings (all, or those with the ids given) and their registers", RunFields},
    {"get", "get FILE SETTING...", "print settings, named by id or short name", RunGet},
    {"set", "set FILE SETTING=VALUE... [-o OUT] [--preserve-addresses] [--force]",
     "change settings as the utility's pages do and save into FILE or into a copy OUT", RunSet},
    {"regs", "regs FILE [--breakdown]", "list the register table in programming order", RunRegs},
    {"validate", "validate FILE", "check the configuration; exit status 1 on an error",
     RunValidate},
    {"configure", "configure --from SOURCE [--preserve-addresses] FILE...",
     "write the record of SOURCE into every FILE and summarise", RunConfigure},
    {"panels", "panels [--def PATH]", "list the predefined panels of the panel definition file",
     RunPanels},
    {"panel", "panel FILE NAME [--def PATH] [-o OUT]",
     "apply a predefined panel to FILE's configuration and save", RunPanel},
    {"export",
     "export KIND FILE [-o PATH] [--mode N] [--cursor] [--no-software-accel] "
     "[--no-hardware-accel]",
     "write FILE's configuration as appcfg, chip, mode, generic, csv or html", RunExport},
    {"init",
     "init FILE [--no-clocks] [--no-registers] [--no-lut] [--no-clear] [--reset] [--pattern]",
     "initialize the evaluation board's chip from FILE as the Direct tab does, and draw the test "
     "pattern",
     RunInit},
};

} // namespace

std::span<const Command> Commands() {
    return kCommands;
}

} // namespace k7r::cli
