// set FILE SETTING=VALUE... [-o OUT] [--preserve-addresses]: changes settings
// in order as the utility's pages do, and saves into FILE or into a copy OUT.
#include "cli/command.h"
#include "cli/setting_words.h"
#include "config/default_records.h"
#include "edit/bad_entry.h"
#include "regs/computations.h"
#include "regs/field_attributes.h"
#include "regs/field_table.h"
#include "regs/setting_ids.h"
#include "regs/settings_engine.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

struct Assignment {
    std::string_view setting;
    std::string_view value;
};

struct SetOptions {
    std::string_view file;
    std::string_view output;
    bool preserveAddresses = false;
    std::vector<Assignment> assignments;
};

std::optional<SetOptions> ParseOptions(Arguments arguments) {
    if (arguments.size() < 2) {
        return std::nullopt;
    }
    SetOptions options;
    options.file = arguments[0];
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (word == "-o" && i + 1 < arguments.size() && options.output.empty()) {
            options.output = arguments[++i];
        } else if (word == "--preserve-addresses") {
            options.preserveAddresses = true;
        } else if (const std::size_t equals = word.find('='); equals != std::string_view::npos) {
            options.assignments.push_back({word.substr(0, equals), word.substr(equals + 1)});
        } else {
            return std::nullopt;
        }
    }
    if (options.assignments.empty()) {
        return std::nullopt;
    }
    return options;
}

// The settings of the Preferences page and the Panel page's size lists
// recompute the layout; the Clocks and Panel pages refresh the frame rate.
constexpr std::uint32_t kLayoutSettings[] = {45, 46, 52, 53, 54, 68, 74};
constexpr std::uint32_t kFrameRateSettings[] = {2,  3,  12, 13, 14, 15, 29, 30,
                                                31, 32, 33, 34, 67, 68, 73, 74};

template <std::size_t N>
bool IsOneOf(std::uint32_t id, const std::uint32_t (&ids)[N]) {
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

void Refresh(WorkingConfig& config, std::uint32_t id) {
    if (id == kIdMainStart) {
        config.SavedMainStart = GetFieldValue(config, kIdMainStart);
    }
    if (IsOneOf(id, kLayoutSettings)) {
        RecomputeLayout(config);
        config.SavedMainStart = GetFieldValue(config, kIdMainStart);
    }
    if (IsOneOf(id, kFrameRateSettings)) {
        StoreFrameRate(config);
    }
}

constexpr std::size_t kDescriptionMax = HAL_DESCRIPTION_SIZE - 1;

// One SETTING=VALUE; false, with the reason printed, when it is refused.
bool Apply(WorkingConfig& config, const Assignment& assignment) {
    const SettingName setting = FindSetting(assignment.setting);
    if (setting.id == 0) {
        std::fprintf(stderr, "%s\n", setting.error.c_str());
        return false;
    }
    const FIELD_DESC& field = kFieldTable[FindField(setting.id)];
    if (field.Attributes & ffTEXT) {
        if (assignment.value.size() > kDescriptionMax) {
            std::fputs(edit::BadEntryMessage(assignment.value, setting.id).c_str(), stderr);
            return false;
        }
        SetDescriptionText(config, setting.id, assignment.value);
        return true;
    }
    if (field.Attributes & ffCOMPUTED && field.Id != kIdPanelType) {
        std::fprintf(stderr, "setting %u is computed from others and cannot be set\n", field.Id);
        return false;
    }
    const auto value = ParseSettingValue(config, setting.id, assignment.value);
    if (!value) {
        std::fputs(edit::BadEntryMessage(assignment.value, setting.id).c_str(), stderr);
        return false;
    }
    const SettingBounds bounds = BoundsOf(config, setting.id);
    if (*value < bounds.min || *value > bounds.max) {
        const std::string message =
            bounds.named
                ? edit::BadEntryMessage(assignment.value, setting.id, bounds.min, bounds.max)
                : edit::BadEntryMessage(assignment.value, setting.id);
        std::fputs(message.c_str(), stderr);
        return false;
    }
    SetFieldValue(config, setting.id, *value);
    Refresh(config, setting.id);
    return true;
}

} // namespace

int RunSet(Arguments arguments) {
    const auto options = ParseOptions(arguments);
    if (!options) {
        return kExitUsage;
    }
    const std::string file(options->file);
    WorkingConfig config(TemplateRecord);
    if (!OpenConfigFile(file, config, PrintToStderr())) {
        return kExitFailure;
    }
    config.SavedMainStart = GetFieldValue(config, kIdMainStart);
    for (const Assignment& assignment : options->assignments) {
        if (!Apply(config, assignment)) {
            return kExitFailure;
        }
    }
    if (!SaveConfigFile(file, std::string(options->output), config.Record,
                        options->preserveAddresses, PrintToStderr())) {
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace k7r::cli
