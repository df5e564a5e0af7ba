#pragma once

#include "cfgui/file_filters.h"

#include <windows.h>

#include <optional>
#include <span>
#include <string>

namespace k7r::cfgui::win32 {

// FileDialog flags.
inline constexpr unsigned kDialogOpen = 1;      // else a save dialog
inline constexpr unsigned kKeepInitialName = 4; // the path given is the initial name
inline constexpr unsigned kAskOverwrite = 8;
inline constexpr unsigned kUpperCaseName = 16;
inline constexpr unsigned kMustExist = 32;

// The system's open or save dialog, never offering read-only. The chosen
// path, or nothing when the user cancelled.
std::optional<std::string> FileDialog(HWND owner, const std::string& path, const char* title,
                                      std::span<const FileFilter> filters,
                                      const char* defaultExtension, unsigned flags);

} // namespace k7r::cfgui::win32
