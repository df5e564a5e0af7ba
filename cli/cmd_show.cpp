// show FILE [--textconv] [--json]: the record found in FILE, field by field, as the file
// stores it but with every number in its proper byte order.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/json_output.h"
#include "cli/panel_list.h"
#include "cli/record_text.h"
#include "config/default_records.h"
#include "config/flag_names.h"
#include "config/record.h"
#include "config/working_config.h"
#include "containers/config_file.h"
#include "containers/config_image.h"
#include "edit/diagnostics.h"
#include "edit/rules/panel_rules.h"
#include "panels/panel_settings.h"
#include "regs/mode_string.h"
#include "regs/register_table.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::cli {
namespace {

// The record as found and its host-order reading.
struct ShownRecord {
    const HAL_STRUCT& stored;
    const HAL_STRUCT& host;
};

std::string FieldText(const char* field, std::size_t size) {
    std::size_t length = 0;
    while (length < size && field[length] != '\0') {
        ++length;
    }
    return std::string(field, length);
}

// Clocks are shown in MHz with three decimals.
void PrintClock(const char* label, HAL_U32 hz) {
    std::printf("%-18s %u.%03u MHz\n", label, hz / 1000000, hz / 1000 % 1000);
}

enum class CrcState { Unconfigured, Ok, Corrupted };

// The CRC is checked over the bytes as stored, in the record's byte order.
CrcState CheckCrc(const ShownRecord& shown) {
    if (shown.host.Crc == 0) {
        return CrcState::Unconfigured;
    }
    return config::ComputeRecordCrc(shown.stored) == shown.host.Crc ? CrcState::Ok
                                                                    : CrcState::Corrupted;
}

constexpr std::string_view kCrcStateNames[] = {"unconfigured", "OK", "corrupted"};

std::string CrcStatus(const ShownRecord& shown) {
    const CrcState state = CheckCrc(shown);
    if (state != CrcState::Corrupted) {
        return std::string(kCrcStateNames[static_cast<int>(state)]);
    }
    char text[48];
    std::snprintf(text, sizeof text, "corrupted, the content's CRC is %04Xh",
                  config::ComputeRecordCrc(shown.stored));
    return text;
}

std::string_view ByteOrder(const ShownRecord& shown) {
    return containers::IsSwapped(shown.stored) ? "big-endian" : "little-endian";
}

void PrintHeader(const ShownRecord& shown) {
    const HAL_STRUCT& r = shown.host;
    std::printf("%-18s \"%s\"\n",
                "Description:", FieldText(r.Description, sizeof r.Description).c_str());
    std::printf("%-18s %s\n", "Chip id:", FieldText(r.ChipId, sizeof r.ChipId).c_str());
    std::printf("%-18s %s\n", "Byte order:",
                containers::IsSwapped(shown.stored) ? "big-endian (swapped)"
                                                    : "little-endian (host)");
    std::printf("%-18s %04Xh (%s)\n", "CRC:", r.Crc, CrcStatus(shown).c_str());
    std::printf("%-18s %u Hz\n", "Frame rate:", r.FrameRate);
    PrintClock("CLKI:", r.ClkI);
    PrintClock("CLKI2:", r.ClkI2);
    std::printf("%-18s %08Xh\n", "Register address:", r.RegPhysAddr);
    std::printf("%-18s %08Xh\n", "Memory address:", r.MemPhysAddr);
    std::printf("%-18s %u ms\n", "Power off time:", r.PowerOffTime);
    std::printf("%-18s %u ms\n", "Power on time:", r.PowerOnTime);
    std::printf("%-18s %04Xh\n", "GPIO power mask:", r.GpioPowerMask);
    std::printf("%-18s %04Xh\n", "GPO power mask:", r.GpoPowerMask);
    std::printf("%-18s %u bytes\n", "Required memory:", r.RequiredVram);
    std::printf("%-18s %08Xh %s\n", "Flags:", r.Flags, config::FlagNames(r.Flags).c_str());
}

std::string IndexText(HAL_U32 index) {
    if (const std::optional<std::string_view> name = regs::PseudoIndexName(index)) {
        return std::string(*name);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%04X", index);
    return text;
}

// Columns wide enough for "riDELAYOFF" and the longest register identifier.
constexpr int kIndexColumn = 10;
constexpr int kIdentifierColumn = 33;

// One line per entry in table order: position, offset, identifier = value.
void PrintRegisterTable(const ShownRecord& shown) {
    const HAL_STRUCT& r = shown.host;
    const int count = config::CountEntries(r);
    std::printf("%-18s %d entries\n", "Registers:", count);
    for (int position = 0; position < count; ++position) {
        const RegEntry& entry = r.Regs[position];
        const std::string_view identifier = regs::GetRegisterIdentifier(entry.Index);
        std::printf("  %2d  %-*s %-*.*s = %08X\n", position + 1, kIndexColumn,
                    IndexText(entry.Index).c_str(), kIdentifierColumn,
                    static_cast<int>(identifier.size()), identifier.data(), entry.Value);
    }
    if (count < HAL_MAX_REGS) {
        const std::string_view identifier = regs::GetRegisterIdentifier(riREGEND);
        std::printf("  %2d  %-*s %.*s\n", count + 1, kIndexColumn, IndexText(riREGEND).c_str(),
                    static_cast<int>(identifier.size()), identifier.data());
    }
}

// The one-line description the exporters print.
std::string ModeText(const ShownRecord& shown) {
    config::WorkingConfig config(shown.host);
    return regs::FormatModeString(config);
}

// The predefined panel the Panel page would select for the record.
std::optional<std::string> PredefinedPanel(const ShownRecord& shown) {
    config::WorkingConfig config(shown.host);
    const panels::PanelDefList& panels = ProgramPanels();
    const std::optional<std::size_t> match =
        panels::MatchPredefinedPanel(config, panels, std::nullopt);
    return match ? std::optional(panels.At(*match).name) : std::nullopt;
}

// What the utility's diagnostics pane would show.
std::string DiagnosticsText(const ShownRecord& shown) {
    config::WorkingConfig config(shown.host);
    return edit::Diagnose(config, ProgramPanels()).text;
}

void PrintMode(const ShownRecord& shown) {
    std::printf("%-18s %s\n", "Mode:", ModeText(shown).c_str());
}

void PrintPredefinedPanel(const ShownRecord& shown) {
    std::printf("%-18s %s\n",
                "Panel:", PredefinedPanel(shown).value_or(std::string(edit::kCustomPanel)).c_str());
}

// One message a line, indented.
void PrintDiagnostics(const ShownRecord& shown) {
    const std::string text = DiagnosticsText(shown);
    if (text.empty()) {
        std::printf("%-18s none\n", "Diagnostics:");
        return;
    }
    std::printf("Diagnostics:\n");
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::printf("  %s\n", text.substr(start, end - start).c_str());
        start = end == std::string::npos ? text.size() : end + 1;
    }
}

// What show prints, section by section.
constexpr void (*kSections[])(const ShownRecord&) = {
    PrintHeader, PrintMode, PrintPredefinedPanel, PrintRegisterTable, PrintDiagnostics,
};

Json RecordJson(const HAL_STRUCT& r) {
    return {{"Description", FieldText(r.Description, sizeof r.Description)},
            {"ChipId", FieldText(r.ChipId, sizeof r.ChipId)},
            {"Crc", r.Crc},
            {"FrameRate", r.FrameRate},
            {"ClkI", r.ClkI},
            {"ClkI2", r.ClkI2},
            {"RegPhysAddr", r.RegPhysAddr},
            {"MemPhysAddr", r.MemPhysAddr},
            {"PowerOffTime", r.PowerOffTime},
            {"PowerOnTime", r.PowerOnTime},
            {"GpioPowerMask", r.GpioPowerMask},
            {"GpoPowerMask", r.GpoPowerMask},
            {"RequiredVram", r.RequiredVram},
            {"Flags", r.Flags}};
}

// The entries before the end marker.
Json RegistersJson(const HAL_STRUCT& r) {
    Json registers = Json::array();
    for (int position = 0; position < config::CountEntries(r); ++position) {
        const RegEntry& entry = r.Regs[position];
        registers.push_back({{"index", entry.Index},
                             {"identifier", regs::GetRegisterIdentifier(entry.Index)},
                             {"name", regs::GetRegisterName(entry.Index)},
                             {"value", entry.Value}});
    }
    return registers;
}

void PrintShowJson(const std::string& path, const ShownRecord& shown) {
    Json flagNames = Json::array();
    for (const config::FlagName& flag : config::kFlagNames) {
        if (shown.host.Flags & flag.bit) {
            flagNames.push_back(flag.name);
        }
    }
    const std::optional<std::string> panel = PredefinedPanel(shown);
    PrintJson({{"file", path},
               {"byteOrder", ByteOrder(shown)},
               {"crcStatus", kCrcStateNames[static_cast<int>(CheckCrc(shown))]},
               {"contentCrc", config::ComputeRecordCrc(shown.stored)},
               {"record", RecordJson(shown.host)},
               {"flagNames", flagNames},
               {"mode", ModeText(shown)},
               {"panel", panel ? Json(*panel) : Json(nullptr)},
               {"registers", RegistersJson(shown.host)},
               {"diagnostics", MessagesJson(DiagnosticsText(shown))}});
}

constexpr Option kTextconv = {"--textconv", "", "",
                              "print the settings and register table alone, for git"};

// The configuration as get and regs print it, and nothing that changes when
// it does not (no file name, no time): the text git compares. A file without
// a record that can be read gets the reason instead, not a failure.
int PrintTextconv(const std::string& path) {
    config::WorkingConfig config(TemplateRecord);
    std::string reason;
    switch (containers::ReadConfigFile(path, config, reason)) {
    case containers::RecordRead::Unreadable:
        std::fprintf(stderr, "%.*s show: %s: %s\n", static_cast<int>(kProgramName.size()),
                     kProgramName.data(), path.c_str(), reason.c_str());
        return kExitFailure;
    case containers::RecordRead::NoRecord:
        std::printf("No configuration record: %s\n", reason.c_str());
        return kExitSuccess;
    case containers::RecordRead::Adopted:
        break;
    }
    for (const std::uint32_t id : SettingIds()) {
        std::printf("%s\n", SettingLine(config, id).c_str());
    }
    const std::vector<edit::RegisterLine> rows = edit::RegisterLines(config);
    const ColumnWidths widths = RegisterColumnWidths(rows);
    std::printf("\n%s\n", RegisterTableLine(RegisterHeadings(), widths).c_str());
    for (const edit::RegisterLine& row : rows) {
        std::printf("%s\n", RegisterTableLine(row, widths).c_str());
    }
    return kExitSuccess;
}

int RunShow(const Invocation& invocation) {
    const std::string& path = invocation.operands[0];
    if (invocation.Has(kTextconv.name)) {
        if (invocation.Has(kJsonOption.name)) {
            return UsageError(invocation, "--textconv prints text only, not --json");
        }
        return PrintTextconv(path);
    }
    HAL_STRUCT stored;
    if (!containers::InspectConfigFile(path, stored, PrintToStderr())) {
        return kExitFailure;
    }
    HAL_STRUCT host = stored;
    if (containers::IsSwapped(stored)) {
        config::ByteSwapRecord(host);
    }
    if (invocation.Has(kJsonOption.name)) {
        PrintShowJson(path, {stored, host});
        return kExitSuccess;
    }
    std::printf("%-18s %s\n", "File:", path.c_str());
    for (auto section : kSections) {
        section({stored, host});
    }
    return kExitSuccess;
}

constexpr Option kOptions[] = {kTextconv, kJsonOption};

} // namespace

constinit const Command kShowCommand = {
    .name = "show",
    .operands = "FILE",
    .minOperands = 1,
    .maxOperands = 1,
    .options = kOptions,
    .summary = "print the configuration record found in FILE",
    .details = "Prints the record field by field, its CRC status (OK, unconfigured,\n"
               "corrupted), the mode it describes, the predefined panel it matches (or\n"
               "\"Custom panel\"), its register table in table order and the utility's\n"
               "diagnostics for it. With --textconv: every setting as \"get\" prints it\n"
               "and the register table as \"regs\" lists it, without the file's name, or\n"
               "the reason a file holds no record (status 0): git's textconv for\n"
               "program images.\n",
    .example = "show firmware.elf",
    .run = RunShow,
};

} // namespace k7r::cli
