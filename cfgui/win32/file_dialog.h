#pragma once

#include "cfgui/file_filters.h"

#include <windows.h>

#include <commdlg.h>

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
// Only the directory must exist; the file may be new.
inline constexpr unsigned kPathMustExist = 64;

// Controls a dialog adds to the save or open dialog: a child template of
// the program's resources and its dialog procedure, which receives `data`
// as the lCustData of the OPENFILENAMEW its WM_INITDIALOG carries.
struct FileDialogExtra {
    int templateId;
    LPOFNHOOKPROC procedure;
    LPARAM data;
};

// The system's open or save dialog, never offering read-only. The chosen
// path, or nothing when the user cancelled.
std::optional<std::string> FileDialog(HWND owner, const std::string& path, const char* title,
                                      std::span<const FileFilter> filters,
                                      const char* defaultExtension, unsigned flags,
                                      const FileDialogExtra* extra = nullptr);

} // namespace k7r::cfgui::win32
