// validate FILE [--json]: the diagnostics the utility shows for the file's
// record; exit status 1 when there is an error.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/json_output.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "edit/diagnostics.h"

#include <cstdio>
#include <string>

namespace k7r::cli {
namespace {

int RunValidate(const Invocation& invocation) {
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(invocation.operands[0], config, PrintToStderr())) {
        return kExitFailure;
    }
    const edit::Diagnostics diagnostics = edit::Diagnose(config, ProgramPanels());
    if (invocation.Has(kJsonOption.name)) {
        PrintJson({{"error", diagnostics.error}, {"diagnostics", MessagesJson(diagnostics.text)}});
    } else {
        std::fputs(diagnostics.text.c_str(), stdout);
    }
    return diagnostics.error ? kExitFailure : kExitSuccess;
}

constexpr Option kOptions[] = {kJsonOption};

} // namespace

constinit const Command kValidateCommand = {
    .name = "validate",
    .operands = "FILE",
    .minOperands = 1,
    .maxOperands = 1,
    .options = kOptions,
    .summary = "check the configuration; exit status 1 on an error",
    .details = "Prints the errors and warnings the utility's diagnostics pane shows.\n",
    .example = "validate firmware.elf --json",
    .run = RunValidate,
};

} // namespace k7r::cli
