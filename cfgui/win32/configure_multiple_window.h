#pragma once

#include "config/hal_struct.h"

#include <windows.h>

#include <string>
#include <vector>

namespace k7r::cfgui::win32 {

// The modal Configure Multiple dialog over the owner, with the dropped
// names selected.
void RunConfigureMultiple(HWND owner, const HAL_STRUCT& working,
                          const std::vector<std::string>& dropped);

} // namespace k7r::cfgui::win32
