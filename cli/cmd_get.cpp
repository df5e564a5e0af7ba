// get FILE SETTING... [--json]: the value of each setting as the utility
// shows it.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/json_output.h"
#include "cli/record_text.h"
#include "cli/setting_words.h"
#include "config/default_records.h"

#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

int RunGet(const Invocation& invocation) {
    std::vector<std::uint32_t> ids;
    for (std::size_t i = 1; i < invocation.operands.size(); ++i) {
        const SettingName setting = FindSetting(invocation.operands[i]);
        if (setting.id == 0) {
            std::fprintf(stderr, "%s\n", setting.error.c_str());
            return kExitFailure;
        }
        ids.push_back(setting.id);
    }
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(invocation.operands[0], config, PrintToStderr())) {
        return kExitFailure;
    }
    if (invocation.Has(kJsonOption.name)) {
        Json settings = Json::array();
        for (const std::uint32_t id : ids) {
            settings.push_back(SettingJson(config, id));
        }
        PrintJson({{"file", invocation.operands[0]}, {"settings", settings}});
        return kExitSuccess;
    }
    for (const std::uint32_t id : ids) {
        std::printf("%s\n", SettingLine(config, id).c_str());
    }
    return kExitSuccess;
}

constexpr Option kOptions[] = {kJsonOption};

} // namespace

constinit const Command kGetCommand = {
    .name = "get",
    .operands = "FILE SETTING...",
    .minOperands = 2,
    .maxOperands = kAnyNumber,
    .options = kOptions,
    .summary = "print settings, named by id or short name",
    .details = "Prints each setting as the utility shows it: \"67 Horz Total = 352\".\n"
               "SETTING is an id (1 to 185) or a short name in any letter case, quoted\n"
               "when it holds blanks; a name several settings share is refused with\n"
               "their ids. \"fields\" lists the ids and names.\n",
    .example = "get firmware.elf \"CLKI Timing\" 54 67",
    .run = RunGet,
};

} // namespace k7r::cli
