#include "cfgui/chip_text.h"

namespace k7r::cfgui {

std::string FillChipId(std::string_view text) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find("%s"); at != std::string_view::npos;
         at = text.find("%s", from)) {
        result.append(text.substr(from, at - from));
        result.append(kChipId);
        from = at + 2;
    }
    result.append(text.substr(from));
    return result;
}

} // namespace k7r::cfgui
