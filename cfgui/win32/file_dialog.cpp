#include "cfgui/win32/file_dialog.h"

#include "cfgui/application.h"

#include <algorithm>
#include <cctype>

namespace k7r::cfgui::win32 {
namespace {

// "label\0patterns\0...\0\0", as the dialog wants its type list.
std::string FilterList(std::span<const FileFilter> filters) {
    std::string list;
    for (const FileFilter& filter : filters) {
        list.append(filter.label);
        list += '\0';
        list.append(filter.patterns);
        list += '\0';
    }
    list += '\0';
    return list;
}

} // namespace

std::optional<std::string> FileDialog(HWND owner, const std::string& path, const char* title,
                                      std::span<const FileFilter> filters,
                                      const char* defaultExtension, unsigned flags,
                                      const FileDialogExtra* extra) {
    std::string name(kMaxPath, '\0');
    if ((flags & kKeepInitialName) != 0) {
        name.replace(0, std::min(path.size(), kMaxPath - 1), path, 0, kMaxPath - 1);
    }
    const std::string filterList = FilterList(filters);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if ((flags & kAskOverwrite) != 0) {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    }
    if ((flags & kMustExist) != 0) {
        dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    }
    if ((flags & kPathMustExist) != 0) {
        dialog.Flags |= OFN_PATHMUSTEXIST;
    }
    if (extra != nullptr) {
        dialog.Flags |= OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
        dialog.hInstance = GetModuleHandleA(nullptr);
        dialog.lpTemplateName = MAKEINTRESOURCEA(extra->templateId);
        dialog.lpfnHook = extra->procedure;
        dialog.lCustData = extra->data;
    }
    const bool chosen = (flags & kDialogOpen) != 0 ? GetOpenFileNameA(&dialog) != 0
                                                   : GetSaveFileNameA(&dialog) != 0;
    if (!chosen) {
        return std::nullopt;
    }
    name.resize(name.find('\0'));
    if ((flags & kUpperCaseName) != 0) {
        std::ranges::transform(name, name.begin(),
                               [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
    return name;
}

} // namespace k7r::cfgui::win32
