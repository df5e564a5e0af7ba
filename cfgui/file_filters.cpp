#include "cfgui/file_filters.h"

#include "cfgui/window_title.h"
#include "platform/ascii.h"

#include <algorithm>
#include <array>

namespace k7r::cfgui {
namespace {

constexpr FileFilter kAllFiles = {"All Files (*.*)", "*.*"};

constexpr std::array<FileFilter, 8> kOpenFilters = {{
    {"All Configurable Files (.exe;.s9;.s19;.idp;.elf;.lvb;.prc)",
     "*.exe;*.s9;*.s19;*.idp;*.elf;*.lvb;*.prc"},
    {"EXE Files", "*.EXE"},
    {"ELF Files", "*.ELF"},
    {"S9 Files", "*.S9;*.S19"},
    {"IDP Files", "*.IDP"},
    {"LVEB-SH3 Files", "*.LVB"},
    {"PRC Files", "*.PRC"},
    kAllFiles,
}};

struct KindByExtension {
    std::string_view extension;
    FileFilter filter;
};

constexpr std::array<KindByExtension, 7> kSaveAsKinds = {{
    {"EXE", kOpenFilters[1]},
    {"ELF", kOpenFilters[2]},
    {"S9", kOpenFilters[3]},
    {"S19", kOpenFilters[3]},
    {"IDP", kOpenFilters[4]},
    {"LVB", kOpenFilters[5]},
    {"PRC", kOpenFilters[6]},
}};

} // namespace

std::span<const FileFilter> OpenFilters() {
    return kOpenFilters;
}

std::vector<FileFilter> SaveAsFilters(std::string_view currentPath) {
    const std::string_view extension = FileExtension(currentPath);
    std::vector<FileFilter> filters;
    for (const KindByExtension& kind : kSaveAsKinds) {
        if (platform::EqualsIgnoringCase(kind.extension, extension)) {
            filters.push_back(kind.filter);
            break;
        }
    }
    filters.push_back(kAllFiles);
    return filters;
}

} // namespace k7r::cfgui
