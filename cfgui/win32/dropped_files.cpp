#include "cfgui/win32/dropped_files.h"

namespace k7r::cfgui::win32 {

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    for (UINT index = 0; index < count; ++index) {
        std::string name(DragQueryFileA(drop, index, nullptr, 0) + 1, '\0');
        name.resize(DragQueryFileA(drop, index, name.data(), static_cast<UINT>(name.size())));
        names.push_back(name);
    }
    DragFinish(drop);
    return names;
}

} // namespace k7r::cfgui::win32
