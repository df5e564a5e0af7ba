#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace k7r::cfgui::win32 {

// The paths of a WM_DROPFILES, in the order given; the drop is finished.
std::vector<std::string> TakeDroppedFiles(HDROP drop);

} // namespace k7r::cfgui::win32
