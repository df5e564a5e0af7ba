// panels [--def PATH]: the predefined panels as the utility's Panel page
// offers them, then the file's version message.
#include "cli/command.h"
#include "cli/panel_list.h"
#include "edit/panel_page.h"

#include <cstdio>

namespace k7r::cli {

int RunPanels(Arguments arguments) {
    std::optional<std::string> defPath;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != kDefOption || i + 1 == arguments.size()) {
            return kExitUsage;
        }
        defPath = std::string(arguments[++i]);
    }
    PanelDefList list;
    if (!LoadPanelList(defPath, list)) {
        return kExitFailure;
    }
    if (list.DebugMode()) {
        std::fwrite(edit::kDebugModeNote.data(), 1, edit::kDebugModeNote.size(), stdout);
    }
    for (const PanelDef& def : list.Entries()) {
        if (def.disqualified) {
            std::printf("**%s\n    %s", def.name.c_str(), def.reason.c_str());
        } else {
            std::printf("%s\n", def.name.c_str());
        }
    }
    if (list.Count() > 0) {
        std::printf("Custom panel\n");
    }
    std::fputs(list.VersionMessage().c_str(), stdout);
    return kExitSuccess;
}

} // namespace k7r::cli
