#pragma once

#include "panels/panel_def_list.h"

#include <optional>
#include <string>
#include <string_view>

namespace k7r::cli {

// The "--def PATH" option of the panel commands.
inline constexpr std::string_view kDefOptionName = "--def";

// The predefined panels as the utility reads them: from the file beside the
// program, or from the file --def names. False, after saying why, when the
// named file cannot be opened, a file is rejected, or there is no file
// beside the program (saying where it looked).
bool LoadPanelList(const std::optional<std::string>& defPath, panels::PanelDefList& list);

// The list beside the program, read once a run as the utility reads it;
// without a file it is empty.
const panels::PanelDefList& ProgramPanels();

} // namespace k7r::cli
