#include "cfgui/win32/dropped_files.h"

#include "platform/win32/wide_text.h"

namespace k7r::cfgui::win32 {

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    for (UINT index = 0; index < count; ++index) {
        std::wstring name(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
        name.resize(DragQueryFileW(drop, index, name.data(), static_cast<UINT>(name.size())));
        names.push_back(platform::Narrow(name));
    }
    DragFinish(drop);
    return names;
}

} // namespace k7r::cfgui::win32
