// fields [ID...] [--help-text] [--json]: the field description records, one
// line each with id, short name, register position and attributes; all
// records in table order, or those of the ids given in their order with the
// values each takes. --help-text adds each record's help paragraph below its
// line.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/json_output.h"
#include "cli/panel_list.h"
#include "cli/setting_words.h"
#include "config/default_records.h"
#include "config/working_config.h"
#include "edit/edit_session.h"
#include "edit/rules/common_rules.h"
#include "regs/field_attributes.h"
#include "regs/field_bits.h"
#include "regs/field_names.h"
#include "regs/field_table.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

// Columns wide enough for the longest short name and register position.
constexpr int kNameColumn = 25;
constexpr int kPositionColumn = 16;
constexpr std::string_view kHelpIndent = "     ";

constexpr Option kHelpText = {"--help-text", "", "", "add each setting's help paragraph"};

// What a setting takes in a new configuration: what `set` accepts, the
// bounds the settings engine has for it (when it has them) and its units,
// and its list's texts.
struct ValueRange {
    std::string accepted;
    std::optional<std::pair<std::uint32_t, std::uint32_t>> bounds;
    std::string_view units;
    std::vector<std::string> list;
};

ValueRange RangeOf(std::size_t record) {
    const regs::FIELD_DESC& field = regs::kFieldTable[record];
    edit::EditSession session(TemplateRecord, ProgramPanels());
    config::WorkingConfig& config = session.config;
    ValueRange range{AcceptedValues(session, field.Id), {}, field.Units, {}};
    if (field.ListText) {
        for (std::uint32_t item = 0; item < edit::kLongestList; ++item) {
            std::optional<std::string> text = field.ListText(config, record, item);
            if (!text) {
                break;
            }
            range.list.push_back(std::move(*text));
        }
    }
    const bool hasBounds = field.Min || field.Max || (field.Attributes & regs::ffREGISTER);
    if (hasBounds && !(field.Attributes & regs::ffTEXT)) {
        const std::uint32_t max =
            field.Max ? field.Max(config, record) : regs::FieldMaxValue(field.Mask);
        range.bounds = {field.Min ? field.Min(config, record) : 0, max};
    }
    return range;
}

void PrintIndented(const std::string& line) {
    std::printf("%.*s%s\n", static_cast<int>(kHelpIndent.size()), kHelpIndent.data(), line.c_str());
}

// The range lines below a setting's line.
void PrintRange(std::size_t record) {
    const ValueRange range = RangeOf(record);
    const std::string units = range.units.empty() ? "" : ' ' + std::string(range.units);
    if (range.bounds) {
        const char* format = (regs::kFieldTable[record].Attributes & regs::ffHEX)
                                 ? "range: %Xh to %Xh%s"
                                 : "range: %u to %u%s";
        char line[64];
        std::snprintf(line, sizeof line, format, range.bounds->first, range.bounds->second,
                      units.c_str());
        PrintIndented(line);
    } else if (!units.empty()) {
        PrintIndented("units:" + units);
    }
    // A list of the numbers themselves says nothing.
    const bool numbered = std::ranges::all_of(range.list, [&](const std::string& text) {
        return text == std::to_string(&text - range.list.data());
    });
    if (!range.list.empty() && !numbered) {
        std::string line = "list:";
        for (std::size_t item = 0; item < range.list.size(); ++item) {
            line += ' ' + range.list[item] + " (" + std::to_string(item) + "),";
        }
        line.pop_back();
        PrintIndented(line);
    }
    if (!range.accepted.empty()) {
        PrintIndented("set takes: " + range.accepted);
    }
}

std::optional<std::uint32_t> ParseId(std::string_view word) {
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
    if (error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return id;
}

// The help paragraph indented under the record's line, then a blank line.
void PrintHelp(std::size_t record) {
    std::string help;
    regs::AppendHelpParagraph(help, record);
    std::string indented(kHelpIndent);
    for (char c : help) {
        indented += c;
        if (c == '\n') {
            indented += kHelpIndent;
        }
    }
    std::printf("%s\n\n", indented.c_str());
}

Json RecordJson(std::size_t record, bool withHelp) {
    const regs::FIELD_DESC& field = regs::kFieldTable[record];
    const ValueRange range = RangeOf(record);
    Json attributes = Json::array();
    for (const regs::AttributeName& attribute : regs::kAttributeNames) {
        if (field.Attributes & attribute.bit) {
            attributes.push_back(attribute.name);
        }
    }
    const bool isRegister = field.Attributes & regs::ffREGISTER;
    const regs::BitRange bits = regs::FieldBitRange(field.Mask);
    Json json = {{"id", field.Id},
                 {"shortName", field.ShortName},
                 {"longName", field.LongName},
                 {"register", isRegister ? Json(field.Register) : Json(nullptr)},
                 {"bits", isRegister ? Json({{"high", bits.Hi}, {"low", bits.Lo}}) : Json(nullptr)},
                 {"attributes", attributes},
                 {"units", range.units},
                 {"min", range.bounds ? Json(range.bounds->first) : Json(nullptr)},
                 {"max", range.bounds ? Json(range.bounds->second) : Json(nullptr)},
                 {"list", range.list},
                 {"accepted", range.accepted}};
    if (withHelp) {
        std::string help;
        regs::AppendHelpParagraph(help, record);
        json["help"] = help;
    }
    return json;
}

void PrintRecord(std::size_t record, bool withHelp, bool withRange) {
    const regs::FIELD_DESC& field = regs::kFieldTable[record];
    const std::string position =
        regs::FormatRecordName(record, regs::kShowPosition | regs::kShortForms);
    std::printf("%3u  %-*.*s  %-*s  %s\n", field.Id, kNameColumn,
                static_cast<int>(field.ShortName.size()), field.ShortName.data(), kPositionColumn,
                position.c_str(), regs::AttributeNames(field.Attributes).c_str());
    if (withRange) {
        PrintRange(record);
    }
    if (withHelp) {
        PrintHelp(record);
    }
}

int RunFields(const Invocation& invocation) {
    const bool withHelp = invocation.Has(kHelpText.name);
    std::vector<std::size_t> records;
    for (const std::string& word : invocation.operands) {
        const std::optional<std::uint32_t> id = ParseId(word);
        if (!id) {
            return UsageError(invocation, "\"" + word + "\" is not a setting id");
        }
        if (regs::FindField(*id) == regs::kFieldCount) {
            std::fprintf(stderr, "%.*s fields: no setting has the id %u\n",
                         static_cast<int>(kProgramName.size()), kProgramName.data(), *id);
            return kExitFailure;
        }
        for (std::size_t record = regs::FindField(*id); record < regs::kFieldCount; ++record) {
            if (regs::kFieldTable[record].Id == *id) {
                records.push_back(record);
            }
        }
    }
    const bool all = records.empty();
    for (std::size_t record = 0; all && record < regs::kFieldCount; ++record) {
        records.push_back(record);
    }
    if (invocation.Has(kJsonOption.name)) {
        Json fields = Json::array();
        for (const std::size_t record : records) {
            fields.push_back(RecordJson(record, withHelp));
        }
        PrintJson({{"fields", fields}});
        return kExitSuccess;
    }
    for (const std::size_t record : records) {
        PrintRecord(record, withHelp, !all);
    }
    return kExitSuccess;
}

constexpr Option kOptions[] = {kHelpText, kJsonOption};

} // namespace

constinit const Command kFieldsCommand = {
    .name = "fields",
    .operands = "[ID...]",
    .minOperands = 0,
    .maxOperands = kAnyNumber,
    .options = kOptions,
    .summary = "list the settings (all, or those with the ids given) and their registers",
    .details = "One line per setting: id, short name, register bits and attributes.\n"
               "The settings named by id also show the values they take for a new\n"
               "configuration: their range and units, and their list's texts.\n",
    .example = "fields 2 54 67 --help-text",
    .run = RunFields,
};

} // namespace k7r::cli
