#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace k7r::cfgui {

// One line of a file dialog's type list.
struct FileFilter {
    std::string_view label;
    std::string_view patterns;
};

// File Open's list: every kind that can carry a record, then each kind.
std::span<const FileFilter> OpenFilters();

// Save As offers the current file's own kind, chosen by its extension in any
// letter case, then all files; only all files for an extension of no kind.
std::vector<FileFilter> SaveAsFilters(std::string_view currentPath);

} // namespace k7r::cfgui
