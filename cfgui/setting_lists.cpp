#include "cfgui/setting_lists.h"

#include "edit/rules/common_rules.h"
#include "regs/field_values.h"

namespace k7r::cfgui {

std::vector<std::string> SettingListTexts(config::WorkingConfig& config, std::uint32_t id) {
    std::vector<std::string> texts;
    for (std::uint32_t item = 0; item < edit::kLongestList; ++item) {
        std::optional<std::string> text = regs::GetFieldListText(config, id, item);
        if (!text) {
            break;
        }
        texts.push_back(std::move(*text));
    }
    return texts;
}

} // namespace k7r::cfgui
