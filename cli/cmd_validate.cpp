// validate FILE: the diagnostics the utility shows for the file's record;
// exit status 1 when there is an error.
#include "cli/command.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "edit/diagnostics.h"

#include <cstdio>
#include <string>

namespace k7r::cli {

int RunValidate(Arguments arguments) {
    if (arguments.size() != 1) {
        return kExitUsage;
    }
    WorkingConfig config(TemplateRecord);
    if (!OpenConfigFile(std::string(arguments[0]), config, PrintToStderr())) {
        return kExitFailure;
    }
    const edit::Diagnostics diagnostics = edit::Diagnose(config, ProgramPanels());
    std::fputs(diagnostics.text.c_str(), stdout);
    return diagnostics.error ? kExitFailure : kExitSuccess;
}

} // namespace k7r::cli
