// diff A B [--json]: the configurations of two files compared as the utility
// shows them: the settings that differ, as get prints them, and the register
// table entries that differ, as regs lists them. Exit status as diff's: 0 the
// same, 1 different, 2 a file that cannot be read.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/record_text.h"
#include "config/default_records.h"
#include "config/working_config.h"
#include "containers/config_file.h"
#include "regs/field_values.h"
#include "regs/register_access.h"
#include "regs/register_table.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

constexpr int kExitDifferent = 1;

// One file and what reading its record made of it.
struct Side {
    std::string path;
    config::WorkingConfig config{TemplateRecord};
    containers::RecordRead read = containers::RecordRead::Unreadable;
    std::string reason;
};

Side ReadSide(const std::string& path) {
    Side side;
    side.path = path;
    side.read = containers::ReadConfigFile(path, side.config, side.reason);
    return side;
}

struct Entry {
    std::uint32_t reg;
    std::uint32_t value;
};

std::vector<Entry> Entries(config::WorkingConfig& config) {
    std::vector<Entry> entries;
    for (int position = 0; regs::EnumRegister(config, position).more; ++position) {
        const std::uint32_t reg = regs::EnumRegister(config, position).reg;
        entries.push_back({reg, regs::ReadRegister(config, reg, position)});
    }
    return entries;
}

// Entries at one position of the two tables, either missing where that
// table is shorter.
struct EntryChange {
    std::size_t position;
    std::optional<Entry> a;
    std::optional<Entry> b;
};

struct Differences {
    std::vector<std::uint32_t> settings;
    std::vector<EntryChange> entries;

    bool Empty() const { return settings.empty() && entries.empty(); }
};

std::optional<Entry> EntryAt(const std::vector<Entry>& entries, std::size_t position) {
    return position < entries.size() ? std::optional(entries[position]) : std::nullopt;
}

// Settings by their text, register table entries position by position.
Differences Compare(Side& a, Side& b) {
    Differences found;
    for (const std::uint32_t id : SettingIds()) {
        if (regs::FormatFieldValue(a.config, id) != regs::FormatFieldValue(b.config, id)) {
            found.settings.push_back(id);
        }
    }
    const std::vector<Entry> entriesA = Entries(a.config);
    const std::vector<Entry> entriesB = Entries(b.config);
    for (std::size_t position = 0; position < std::max(entriesA.size(), entriesB.size());
         ++position) {
        const std::optional<Entry> entryA = EntryAt(entriesA, position);
        const std::optional<Entry> entryB = EntryAt(entriesB, position);
        if (!entryA || !entryB || entryA->reg != entryB->reg || entryA->value != entryB->value) {
            found.entries.push_back({position, entryA, entryB});
        }
    }
    return found;
}

edit::RegisterLine Row(const Entry& entry) {
    return edit::FormatRegisterLine(entry.reg, entry.value);
}

// Each difference as a line of A ("-") and one of B ("+"), as diff -u marks
// them; the register lines under the Registers tab's headings.
void PrintDifferences(Side& a, Side& b, const Differences& found) {
    std::printf("--- %s\n+++ %s\n", a.path.c_str(), b.path.c_str());
    for (const std::uint32_t id : found.settings) {
        std::printf("-%s\n+%s\n", SettingLine(a.config, id).c_str(),
                    SettingLine(b.config, id).c_str());
    }
    if (found.entries.empty()) {
        return;
    }
    std::vector<edit::RegisterLine> rows;
    for (const EntryChange& change : found.entries) {
        for (const std::optional<Entry>& entry : {change.a, change.b}) {
            if (entry) {
                rows.push_back(Row(*entry));
            }
        }
    }
    const ColumnWidths widths = RegisterColumnWidths(rows);
    std::printf(" %s\n", RegisterTableLine(RegisterHeadings(), widths).c_str());
    for (const EntryChange& change : found.entries) {
        if (change.a) {
            std::printf("-%s\n", RegisterTableLine(Row(*change.a), widths).c_str());
        }
        if (change.b) {
            std::printf("+%s\n", RegisterTableLine(Row(*change.b), widths).c_str());
        }
    }
}

Json EntryJson(const std::optional<Entry>& entry) {
    if (!entry) {
        return nullptr;
    }
    return {{"index", entry->reg},
            {"name", regs::GetRegisterName(entry->reg)},
            {"value", entry->value}};
}

Json SideSettingJson(config::WorkingConfig& config, std::uint32_t id) {
    const Json setting = SettingJson(config, id);
    return {{"value", setting["value"]}, {"text", setting["text"]}};
}

void PrintDiffJson(Side& a, Side& b, const Differences& found, bool same) {
    Json noRecord = Json::array();
    for (const Side* side : {&a, &b}) {
        if (side->read == containers::RecordRead::NoRecord) {
            noRecord.push_back({{"file", side->path}, {"reason", side->reason}});
        }
    }
    Json settings = Json::array();
    for (const std::uint32_t id : found.settings) {
        const Json setting = SettingJson(a.config, id);
        settings.push_back({{"id", id},
                            {"name", setting["name"]},
                            {"a", SideSettingJson(a.config, id)},
                            {"b", SideSettingJson(b.config, id)}});
    }
    Json registers = Json::array();
    for (const EntryChange& change : found.entries) {
        registers.push_back({{"position", change.position + 1},
                             {"a", EntryJson(change.a)},
                             {"b", EntryJson(change.b)}});
    }
    PrintJson({{"a", a.path},
               {"b", b.path},
               {"same", same},
               {"noRecord", noRecord},
               {"settings", settings},
               {"registers", registers}});
}

int RunDiff(const Invocation& invocation) {
    Side a = ReadSide(invocation.operands[0]);
    Side b = ReadSide(invocation.operands[1]);
    bool unreadable = false;
    for (const Side* side : {&a, &b}) {
        if (side->read == containers::RecordRead::Unreadable) {
            std::fprintf(stderr, "%.*s diff: %s: %s\n", static_cast<int>(kProgramName.size()),
                         kProgramName.data(), side->path.c_str(), side->reason.c_str());
            unreadable = true;
        }
    }
    if (unreadable) {
        return kExitTrouble;
    }
    const bool json = invocation.Has(kJsonOption.name);
    const bool bothAdopted =
        a.read == containers::RecordRead::Adopted && b.read == containers::RecordRead::Adopted;
    const bool noneAdopted =
        a.read == containers::RecordRead::NoRecord && b.read == containers::RecordRead::NoRecord;
    const Differences found = bothAdopted ? Compare(a, b) : Differences{};
    const bool same = noneAdopted || (bothAdopted && found.Empty());
    if (json) {
        PrintDiffJson(a, b, found, same);
    } else if (noneAdopted) {
        std::printf("NOTE: neither file holds a configuration record to compare:\n"
                    "%s: %s\n%s: %s\n",
                    a.path.c_str(), a.reason.c_str(), b.path.c_str(), b.reason.c_str());
    } else if (!bothAdopted) {
        const Side& without = a.read == containers::RecordRead::NoRecord ? a : b;
        std::printf("--- %s\n+++ %s\n%s: %s\n", a.path.c_str(), b.path.c_str(),
                    without.path.c_str(), without.reason.c_str());
    } else if (!same) {
        PrintDifferences(a, b, found);
    }
    return same ? kExitSuccess : kExitDifferent;
}

constexpr Option kOptions[] = {kJsonOption};

} // namespace

constinit const Command kDiffCommand = {
    .name = "diff",
    .operands = "A B",
    .minOperands = 2,
    .maxOperands = 2,
    .options = kOptions,
    .summary = "compare the configurations of two files",
    .details = "Prints the settings whose values differ (\"-\" A's line, \"+\" B's, as\n"
               "\"get\" prints them) and the register table entries that differ, as \"regs\"\n"
               "lists them. Exit status 0 when the configurations are the same, 1 when\n"
               "they differ, 2 when a file cannot be read. A file without a record, or\n"
               "whose record is unconfigured or corrupted, differs from one with a\n"
               "record; two files without a record are the same.\n",
    .example = "diff old.elf new.elf",
    .run = RunDiff,
};

} // namespace k7r::cli
