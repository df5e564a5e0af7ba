#include "cfgui/window_title.h"

#include "hal/program_info.h"

namespace k7r::cfgui {

std::uint32_t UtilityBuild() {
    return hal::BuildNumber(kUtilityRevision);
}

std::string_view FileNamePart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view FileExtension(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
}

std::string WindowTitle(std::string_view currentPath) {
    std::string title;
    if (!currentPath.empty()) {
        title.append(FileNamePart(currentPath));
        title.append(" - ");
    }
    title.append("K7R58C22 Configuration Utility  (Build ");
    title.append(std::to_string(UtilityBuild()));
    title.append(")");
    return title;
}

} // namespace k7r::cfgui
