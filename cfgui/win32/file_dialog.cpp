#include "cfgui/win32/file_dialog.h"

#include "platform/ascii.h"
#include "platform/win32/wide_text.h"

#include <algorithm>

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
    std::wstring name(platform::kLongestPath, L'\0');
    if ((flags & kKeepInitialName) != 0) {
        const std::wstring initial = platform::Widen(path);
        name.replace(0, std::min(initial.size(), platform::kLongestPath - 1), initial, 0,
                     platform::kLongestPath - 1);
    }
    const std::wstring filterList = platform::Widen(FilterList(filters));
    const std::wstring titleText = platform::Widen(title);
    const std::wstring extension =
        defaultExtension != nullptr ? platform::Widen(defaultExtension) : std::wstring();

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterList.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = titleText.c_str();
    dialog.lpstrDefExt = defaultExtension != nullptr ? extension.c_str() : nullptr;
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
        dialog.hInstance = GetModuleHandleW(nullptr);
        dialog.lpTemplateName = MAKEINTRESOURCEW(extra->templateId);
        dialog.lpfnHook = extra->procedure;
        dialog.lCustData = extra->data;
    }
    const bool chosen = (flags & kDialogOpen) != 0 ? GetOpenFileNameW(&dialog) != 0
                                                   : GetSaveFileNameW(&dialog) != 0;
    if (!chosen) {
        return std::nullopt;
    }
    name.resize(name.find(L'\0'));
    std::string chosenName = platform::Narrow(name);
    if ((flags & kUpperCaseName) != 0) {
        std::ranges::transform(chosenName, chosenName.begin(), platform::AsciiUpper);
    }
    return chosenName;
}

} // namespace k7r::cfgui::win32
