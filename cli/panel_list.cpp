#include "cli/panel_list.h"

#include "cli/command.h"
#include "cli/dispatch.h"
#include "platform/executable_dir.h"

#include <cstdio>

namespace k7r::cli {

bool LoadPanelList(const std::optional<std::string>& defPath, panels::PanelDefList& list) {
    if (defPath) {
        if (!list.LoadFile(*defPath, PrintToStderr())) {
            std::fprintf(stderr, "%.*s: cannot open the panel definition file \"%s\"\n",
                         static_cast<int>(kProgramName.size()), kProgramName.data(),
                         defPath->c_str());
            return false;
        }
        return list.Loaded();
    }
    if (list.Load(PrintToStderr())) {
        return list.Loaded();
    }
    std::fprintf(stderr,
                 "%.*s: no panel definition file: neither %.*s nor %.*s is in \"%s\" "
                 "(--def PATH reads another)\n",
                 static_cast<int>(kProgramName.size()), kProgramName.data(),
                 static_cast<int>(panels::PanelDefList::kDebugFileName.size()),
                 panels::PanelDefList::kDebugFileName.data(),
                 static_cast<int>(panels::PanelDefList::kPublishedFileName.size()),
                 panels::PanelDefList::kPublishedFileName.data(),
                 platform::ExecutableDirectory().c_str());
    return false;
}

const panels::PanelDefList& ProgramPanels() {
    static const panels::PanelDefList panels = [] {
        panels::PanelDefList list;
        list.Load(PrintToStderr());
        return list;
    }();
    return panels;
}

} // namespace k7r::cli
