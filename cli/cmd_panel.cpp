// panel FILE NAME [--def PATH] [-o OUT] [--force]: applies a predefined
// panel to the configuration in FILE as the Panel page does, prints the
// report and the diagnostics, and saves into FILE or OUT unless the panel
// brings new validation errors.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/new_errors.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "edit/diagnostics.h"
#include "edit/edit_session.h"
#include "edit/rules/panel_rules.h"
#include "platform/ascii.h"

#include <cstdio>
#include <vector>

namespace k7r::cli {
namespace {

constexpr Option kDef = {kDefOptionName, "", "PATH",
                         "read PATH instead of the panel file beside the program"};
constexpr Option kOutput = {"--output", "-o", "OUT",
                            "save into OUT, a copy of FILE, and leave FILE as it is"};

// The entry of that exact name, else the one entry whose name begins with it
// in any letter case. Says why when there is none or more than one.
std::optional<std::size_t> FindPanel(const panels::PanelDefList& list, std::string_view name) {
    std::vector<std::size_t> candidates;
    for (std::size_t index = 0; index < list.Count(); ++index) {
        if (list.At(index).name == name) {
            return index;
        }
        if (platform::StartsWithIgnoringCase(list.At(index).name, name)) {
            candidates.push_back(index);
        }
    }
    if (candidates.size() == 1) {
        return candidates.front();
    }
    if (candidates.empty()) {
        std::fprintf(stderr, "%.*s panel: no predefined panel is named \"%.*s\" in \"%s\"\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data(),
                     static_cast<int>(name.size()), name.data(), list.Path().c_str());
    } else {
        std::fprintf(stderr, "%.*s panel: \"%.*s\" names several predefined panels:\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data(),
                     static_cast<int>(name.size()), name.data());
        for (std::size_t index : candidates) {
            std::fprintf(stderr, "  %s\n", list.At(index).name.c_str());
        }
    }
    return std::nullopt;
}

int RunPanel(const Invocation& invocation) {
    const std::string& file = invocation.operands[0];
    const std::string outPath = invocation.Value(kOutput.name).value_or("");
    panels::PanelDefList list;
    if (!LoadPanelList(invocation.Value(kDef.name), list)) {
        return kExitFailure;
    }
    const std::optional<std::size_t> index = FindPanel(list, invocation.operands[1]);
    if (!index) {
        return kExitFailure;
    }
    edit::EditSession session(TemplateRecord, list);
    if (!edit::OpenConfiguration(session, file, PrintToStderr())) {
        return kExitFailure;
    }
    const std::vector<std::string> errorsBefore = ValidationErrorLines(session.config);
    const edit::EditResult applied = edit::ApplyPredefinedPanel(session, *index);
    if (!applied.accepted()) {
        std::fputs(applied.message.c_str(), stderr);
        return kExitFailure;
    }
    std::printf("Predefined panel: %s (from %s)\n", list.At(*index).name.c_str(),
                list.Path().c_str());
    // The pixel clock report ends in a full stop behind its own newline.
    if (!applied.message.empty()) {
        std::printf("%s\n", applied.message.c_str());
    }
    std::fputs(edit::Diagnose(session.config, list).text.c_str(), stdout);
    const std::vector<std::string> added =
        NewErrors(errorsBefore, ValidationErrorLines(session.config));
    if (!added.empty() && !invocation.Has(kForceOption.name)) {
        PrintNothingSaved("panel", added.size());
        return kExitFailure;
    }
    if (!containers::SaveConfigFile(file, outPath, session.config.Record, false, PrintToStderr())) {
        return kExitFailure;
    }
    return kExitSuccess;
}

constexpr Option kOptions[] = {kDef, kOutput, kForceOption};

} // namespace

constinit const Command kPanelCommand = {
    .name = "panel",
    .operands = "FILE NAME",
    .minOperands = 2,
    .maxOperands = 2,
    .options = kOptions,
    .summary = "apply a predefined panel to FILE's configuration and save",
    .details = "NAME is a panel's exact name or a unique beginning of it in any letter\n"
               "case, quoted when it holds blanks (\"panels\" lists them). Prints the\n"
               "panel and the file it comes from, the Panel page's report and the\n"
               "diagnostics, and saves into FILE or into a copy OUT; nothing is saved\n"
               "when the panel brings new validation errors, unless --force is given.\n",
    .example = "panel firmware.elf \"QVGA TFT 320x240\" -o qvga.elf",
    .run = RunPanel,
};

} // namespace k7r::cli
