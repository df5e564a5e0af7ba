// set FILE SETTING=VALUE... [-o OUT] [--preserve-addresses] [--force]
// [--json]: changes settings in order through the editing core, as the
// utility's pages do, prints the diagnostics and saves into FILE or into a
// copy OUT.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/json_output.h"
#include "cli/new_errors.h"
#include "cli/panel_list.h"
#include "cli/setting_words.h"
#include "config/default_records.h"
#include "edit/diagnostics.h"
#include "edit/edit_session.h"
#include "edit/setting_edit.h"
#include "regs/field_names.h"
#include "regs/field_values.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

constexpr Option kOutput = {"--output", "-o", "OUT",
                            "save into OUT, a copy of FILE, and leave FILE as it is"};
constexpr Option kPreserveAddresses = {"--preserve-addresses", "", "",
                                       "keep OUT's physical register and memory addresses"};
struct Assignment {
    std::string_view setting;
    std::string_view value;
};

// What the run did, kept for text and JSON alike.
struct SetReport {
    // Each accepted setting's new value, then the page's notes and warnings.
    std::string text;
    Json changes = Json::array();
    // A refusal in the page's words, the accepted form on a line of its own.
    std::string refusal;
    Json refused;
};

// One SETTING=VALUE through the editing core.
bool Apply(edit::EditSession& session, const Assignment& assignment, SetReport& report) {
    const SettingName setting = FindSetting(assignment.setting);
    if (setting.id == 0) {
        report.refusal = setting.error + '\n';
        report.refused = {{"setting", assignment.setting},
                          {"id", nullptr},
                          {"messages", MessagesJson(setting.error)},
                          {"hint", ""}};
        return false;
    }
    const edit::EditResult result = edit::SetSettingText(session, setting.id, assignment.value);
    if (!result.accepted()) {
        report.refusal = result.message;
        if (!result.hint.empty()) {
            report.refusal += result.hint + '\n';
        }
        report.refused = {{"setting", assignment.setting},
                          {"id", setting.id},
                          {"messages", MessagesJson(result.message)},
                          {"hint", result.hint}};
        return false;
    }
    report.text += std::to_string(setting.id) + ' ' +
                   regs::FormatFieldName(setting.id, regs::kShortForms | regs::kShowName) + " = " +
                   regs::FormatFieldValue(session.config, setting.id) + '\n' + result.message;
    Json change = SettingJson(session.config, setting.id);
    change["messages"] = MessagesJson(result.message);
    report.changes.push_back(change);
    return true;
}

std::optional<std::vector<Assignment>> ReadAssignments(const Invocation& invocation) {
    std::vector<Assignment> assignments;
    for (std::size_t i = 1; i < invocation.operands.size(); ++i) {
        const std::string_view word = invocation.operands[i];
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        assignments.push_back({word.substr(0, equals), word.substr(equals + 1)});
    }
    return assignments;
}

int RunSet(const Invocation& invocation) {
    const std::optional<std::vector<Assignment>> assignments = ReadAssignments(invocation);
    if (!assignments) {
        return UsageError(invocation, "each change is written SETTING=VALUE");
    }
    const bool json = invocation.Has(kJsonOption.name);
    const std::string& file = invocation.operands[0];
    const std::string output = invocation.Value(kOutput.name).value_or("");
    edit::EditSession session(TemplateRecord, ProgramPanels());
    if (!edit::OpenConfiguration(session, file, PrintToStderr())) {
        return kExitFailure;
    }
    const std::vector<std::string> errorsBefore = ValidationErrorLines(session.config);
    SetReport report;
    const bool accepted = std::ranges::all_of(
        *assignments, [&](const Assignment& a) { return Apply(session, a, report); });
    Json document = {{"file", file}, {"output", output.empty() ? file : output}};
    document["changes"] = report.changes;
    if (!accepted) {
        // Nothing is printed as text unless every value is taken.
        if (json) {
            document["refused"] = report.refused;
            document["saved"] = false;
            PrintJson(document);
        } else {
            std::fputs(report.refusal.c_str(), stderr);
        }
        return kExitFailure;
    }
    const std::string diagnostics = edit::Diagnose(session.config, session.panels).text;
    const std::vector<std::string> added =
        NewErrors(errorsBefore, ValidationErrorLines(session.config));
    const bool save = added.empty() || invocation.Has(kForceOption.name);
    const bool saved = save && containers::SaveConfigFile(file, output, session.config.Record,
                                                          invocation.Has(kPreserveAddresses.name),
                                                          PrintToStderr());
    if (json) {
        document["diagnostics"] = MessagesJson(diagnostics);
        document["newErrors"] = Json::array();
        for (const std::string& line : added) {
            document["newErrors"].push_back(MessagesJson(line).front());
        }
        document["saved"] = saved;
        PrintJson(document);
    } else {
        std::fputs(report.text.c_str(), stdout);
        std::fputs(diagnostics.c_str(), stdout);
    }
    if (!save) {
        PrintNothingSaved("set", added.size());
        return kExitFailure;
    }
    if (!saved) {
        return kExitFailure;
    }
    if (!json) {
        std::printf("Configuration of \"%s\" written into \"%s\".\n", file.c_str(),
                    (output.empty() ? file : output).c_str());
    }
    return kExitSuccess;
}

constexpr Option kOptions[] = {kOutput, kPreserveAddresses, kForceOption, kJsonOption};

} // namespace

constinit const Command kSetCommand = {
    .name = "set",
    .operands = "FILE SETTING=VALUE...",
    .minOperands = 2,
    .maxOperands = kAnyNumber,
    .options = kOptions,
    .summary = "change settings as the utility's pages do and save into FILE or a copy",
    .details = "Changes the settings in order, each as the page control that edits it:\n"
               "lists take an item number or list text (\"TFT\"), input clocks MHz from\n"
               "0.391 to 120.000 (\"25.175\", \"MHz\" may follow), addresses hexadecimal,\n"
               "number editors clamp to their bounds with the page's note. SETTING is an\n"
               "id or a short name; \"fields ID\" shows a setting's range, unit and list\n"
               "texts. A refused value is printed with the page's message and the\n"
               "accepted values, and nothing is saved; so are changes that bring new\n"
               "validation errors, unless --force is given.\n",
    .example = "set firmware.elf \"CLKI Timing=25.175\" Bits-Per-Pixel=16 -o firmware16.elf",
    .run = RunSet,
};

} // namespace k7r::cli
