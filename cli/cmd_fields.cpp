// fields [ID...] [--help-text]: the field description records, one line each
// with id, short name, register position and attributes; all records in table
// order, or those of the ids given in their order. --help-text adds each
// record's help paragraph below its line.
#include "cli/command.h"
#include "regs/field_attributes.h"
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
    AppendHelpParagraph(help, record);
    std::string indented(kHelpIndent);
    for (char c : help) {
        indented += c;
        if (c == '\n') {
            indented += kHelpIndent;
        }
    }
    std::printf("%s\n\n", indented.c_str());
}

void PrintRecord(std::size_t record, bool withHelp) {
    const FIELD_DESC& field = kFieldTable[record];
    const std::string position = FormatRecordName(record, kShowPosition | kShortForms);
    std::printf("%3u  %-*.*s  %-*s  %s\n", field.Id, kNameColumn,
                static_cast<int>(field.ShortName.size()), field.ShortName.data(), kPositionColumn,
                position.c_str(), AttributeNames(field.Attributes).c_str());
    if (withHelp) {
        PrintHelp(record);
    }
}

} // namespace

int RunFields(Arguments arguments) {
    bool withHelp = false;
    std::vector<std::uint32_t> ids;
    for (std::string_view word : arguments) {
        if (word == "--help-text") {
            withHelp = true;
            continue;
        }
        if (word.starts_with("--")) {
            std::fprintf(stderr, "%.*s fields: unknown option \"%.*s\"\n",
                         static_cast<int>(kProgramName.size()), kProgramName.data(),
                         static_cast<int>(word.size()), word.data());
            return kExitUsage;
        }
        const std::optional<std::uint32_t> id = ParseId(word);
        if (!id) {
            std::fprintf(stderr, "%.*s fields: \"%.*s\" is not a setting id\n",
                         static_cast<int>(kProgramName.size()), kProgramName.data(),
                         static_cast<int>(word.size()), word.data());
            return kExitUsage;
        }
        if (FindField(*id) == kFieldCount) {
            std::fprintf(stderr, "%.*s fields: no setting has the id %u\n",
                         static_cast<int>(kProgramName.size()), kProgramName.data(), *id);
            return kExitFailure;
        }
        ids.push_back(*id);
    }
    if (ids.empty()) {
        for (std::size_t record = 0; record < kFieldCount; ++record) {
            PrintRecord(record, withHelp);
        }
        return kExitSuccess;
    }
    for (std::uint32_t id : ids) {
        for (std::size_t record = FindField(id); record < kFieldCount; ++record) {
            if (kFieldTable[record].Id == id) {
                PrintRecord(record, withHelp);
            }
        }
    }
    return kExitSuccess;
}

} // namespace k7r::cli
