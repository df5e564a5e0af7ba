#include "cli/panel_list.h"

#include "cli/command.h"

#include <cstdio>

namespace k7r::cli {

bool LoadPanelList(const std::optional<std::string>& defPath, PanelDefList& list) {
    if (!defPath) {
        return !list.Load(PrintToStderr()) || list.Loaded();
    }
    if (!list.LoadFile(*defPath, PrintToStderr())) {
        std::fprintf(stderr, "%.*s: cannot open the panel definition file \"%s\"\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data(), defPath->c_str());
        return false;
    }
    return list.Loaded();
}

const PanelDefList& ProgramPanels() {
    static const PanelDefList panels = [] {
        PanelDefList list;
        list.Load(PrintToStderr());
        return list;
    }();
    return panels;
}

} // namespace k7r::cli
