// get FILE SETTING...: the value of each setting as the utility shows it.
#include "cli/command.h"
#include "cli/setting_words.h"
#include "config/default_records.h"
#include "regs/field_names.h"
#include "regs/settings_engine.h"

#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {

int RunGet(Arguments arguments) {
    if (arguments.size() < 2) {
        return kExitUsage;
    }
    std::vector<std::uint32_t> ids;
    for (const std::string_view word : arguments.subspan(1)) {
        const SettingName setting = FindSetting(word);
        if (setting.id == 0) {
            std::fprintf(stderr, "%s\n", setting.error.c_str());
            return kExitFailure;
        }
        ids.push_back(setting.id);
    }
    WorkingConfig config(TemplateRecord);
    if (!OpenConfigFile(std::string(arguments[0]), config, PrintToStderr())) {
        return kExitFailure;
    }
    for (const std::uint32_t id : ids) {
        std::printf("%u %s = %s\n", id, FormatFieldName(id, kShortForms | kShowName).c_str(),
                    FormatFieldValue(config, id).c_str());
    }
    return kExitSuccess;
}

} // namespace k7r::cli
