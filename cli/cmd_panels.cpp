// panels [--def PATH] [--json]: the predefined panels as the utility's Panel
// page offers them, then the file's version message.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/panel_list.h"
#include "edit/rules/panel_rules.h"

#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

constexpr Option kDef = {kDefOptionName, "", "PATH",
                         "read PATH instead of the file beside the program"};

void PrintPanelsJson(const panels::PanelDefList& list) {
    Json panels = Json::array();
    for (const panels::PanelDef& def : list.Entries()) {
        // The reason is a line of text.
        const std::string reason = def.reason.substr(0, def.reason.find('\n'));
        panels.push_back({{"name", def.name},
                          {"disqualified", def.disqualified},
                          {"reason", def.disqualified ? Json(reason) : Json(nullptr)}});
    }
    PrintJson({{"file", list.Path()},
               {"debugMode", list.DebugMode()},
               {"panels", panels},
               {"diagnostics", MessagesJson(list.VersionMessage())}});
}

int RunPanels(const Invocation& invocation) {
    panels::PanelDefList list;
    if (!LoadPanelList(invocation.Value(kDef.name), list)) {
        return kExitFailure;
    }
    if (invocation.Has(kJsonOption.name)) {
        PrintPanelsJson(list);
        return kExitSuccess;
    }
    std::printf("Panel file: %s\n", list.Path().c_str());
    if (list.DebugMode()) {
        std::fwrite(edit::kDebugModeNote.data(), 1, edit::kDebugModeNote.size(), stdout);
    }
    const std::vector<std::string> items = edit::PredefinedPanelItems(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::printf("%s\n", items[i].c_str());
        // A disqualified entry's reason is a line of its own.
        if (i < list.Count() && list.At(i).disqualified) {
            std::printf("    %s", list.At(i).reason.c_str());
        }
    }
    std::fputs(list.VersionMessage().c_str(), stdout);
    return kExitSuccess;
}

constexpr Option kOptions[] = {kDef, kJsonOption};

} // namespace

constinit const Command kPanelsCommand = {
    .name = "panels",
    .operands = "",
    .minOperands = 0,
    .maxOperands = 0,
    .options = kOptions,
    .summary = "list the predefined panels of the panel definition file",
    .details = "Names the file read, then lists its panels as the utility's Panel page\n"
               "offers them, then \"Custom panel\", and the file's version message if\n"
               "any. The file is DEBUG.DEF or, when there is none, PANELS.DEF beside\n"
               "the program; a DEBUG.DEF also lists the panels the chip cannot drive,\n"
               "marked \"**\" with the reason.\n",
    .example = "panels --def boards/PANELS.DEF",
    .run = RunPanels,
};

} // namespace k7r::cli
