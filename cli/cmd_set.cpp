// set FILE SETTING=VALUE... [-o OUT] [--preserve-addresses] [--force]:
// changes settings in order through the editing core, as the utility's
// pages do, prints the diagnostics and saves into FILE or into a copy OUT.
#include "cli/command.h"
#include "cli/panel_list.h"
#include "cli/setting_words.h"
#include "config/default_records.h"
#include "edit/diagnostics.h"
#include "edit/edit_session.h"
#include "edit/setting_edit.h"
#include "regs/field_names.h"
#include "regs/settings_engine.h"
#include "regs/validation.h"

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
    bool force = false;
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
        } else if (word == "--force") {
            options.force = true;
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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The validation errors of `after` that `before` did not have (each line
// counted as often as it occurs).
std::vector<std::string> NewErrors(std::vector<std::string> before,
                                   const std::vector<std::string>& after) {
    std::vector<std::string> added;
    for (const std::string& line : after) {
        const auto known = std::ranges::find(before, line);
        if (known != before.end()) {
            before.erase(known);
        } else {
            added.push_back(line);
        }
    }
    return added;
}

// One SETTING=VALUE through the editing core: the value now held and the
// page's notes and warnings join `report`; a refusal, with the accepted form
// of the value on a line of its own, goes to standard error.
bool Apply(edit::EditSession& session, const Assignment& assignment, std::string& report) {
    const SettingName setting = FindSetting(assignment.setting);
    if (setting.id == 0) {
        std::fprintf(stderr, "%s\n", setting.error.c_str());
        return false;
    }
    const edit::EditResult result = edit::SetSettingText(session, setting.id, assignment.value);
    if (!result.accepted) {
        std::fputs(result.message.c_str(), stderr);
        if (!result.hint.empty()) {
            std::fprintf(stderr, "%s\n", result.hint.c_str());
        }
        return false;
    }
    report += std::to_string(setting.id) + ' ' +
              FormatFieldName(setting.id, kShortForms | kShowName) + " = " +
              FormatFieldValue(session.config, setting.id) + '\n' + result.message;
    return true;
}

} // namespace

int RunSet(Arguments arguments) {
    const auto options = ParseOptions(arguments);
    if (!options) {
        return kExitUsage;
    }
    const std::string file(options->file);
    edit::EditSession session(TemplateRecord, ProgramPanels());
    if (!edit::OpenConfiguration(session, file, PrintToStderr())) {
        return kExitFailure;
    }
    const std::vector<std::string> errorsBefore =
        Lines(ValidateErrors(session.config, edit::kDiagnosticsRoom));
    // Nothing is printed on standard output unless every value is taken.
    std::string report;
    for (const Assignment& assignment : options->assignments) {
        if (!Apply(session, assignment, report)) {
            return kExitFailure;
        }
    }
    std::fputs(report.c_str(), stdout);
    std::fputs(edit::Diagnose(session.config, session.panels).text.c_str(), stdout);
    const std::vector<std::string> added =
        NewErrors(errorsBefore, Lines(ValidateErrors(session.config, edit::kDiagnosticsRoom)));
    if (!added.empty() && !options->force) {
        const std::string count =
            added.size() == 1 ? "a new error" : std::to_string(added.size()) + " new errors";
        std::fprintf(stderr, "%.*s set: nothing saved: the changes bring %s (--force saves them)\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data(), count.c_str());
        return kExitFailure;
    }
    const std::string target = options->output.empty() ? file : std::string(options->output);
    if (!SaveConfigFile(file, std::string(options->output), session.config.Record,
                        options->preserveAddresses, PrintToStderr())) {
        return kExitFailure;
    }
    std::printf("Configuration of \"%s\" written into \"%s\".\n", file.c_str(), target.c_str());
    return kExitSuccess;
}

} // namespace k7r::cli
