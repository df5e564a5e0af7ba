// The settings engine held byte for byte against the transcripts in golden/:
// each "$ " line is replayed and followed by what it gives; "# " lines are
// comments. The commands:
//   template            start again from the template's record
//   set ID=VALUE...     give each setting its value, in order
//   get ID...           "ID = VALUE (TEXT)" for each setting
//   raw ID...           "ID raw = BITS", as its register holds them
//   range ID            "ID from MIN to MAX"
//   list ID             "ID list: TEXT | TEXT..." in value order
//   validate            the errors and warnings validation gives
//   entry POSITION...   "POSITION: INDEX = VALUE" of the register table, hex
//   breakdown POSITION  the Registers tab's breakdown of that entry
//   name ID STYLE       the setting's name in that style of FormatFieldName
//   flags               the record's flags, hex
//   layout              recompute the stride, memory and start addresses
//   mode                the mode string
//   pixel-clocks        the reachable pixel clocks, the selected one marked
#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/mode_string.h"
#include "regs/pixel_clocks.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"
#include "regs/validation.h"
#include "tests/support/transcript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace k7r::regs {
namespace {

// What one command gives.
std::string Answer(config::WorkingConfig& config, const std::string& line) {
    std::string replayed;
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::uint32_t id = 0;
    std::uint32_t value = 0;
    char equals = 0;
    char text[40];
    if (command == "template") {
        config = config::WorkingConfig(TemplateRecord);
    } else if (command == "set") {
        while (words >> id >> equals >> value) {
            SetFieldValue(config, id, value);
        }
    } else if (command == "get") {
        while (words >> id) {
            replayed += std::to_string(id) + " = " + std::to_string(GetFieldValue(config, id)) +
                        " (" + FormatFieldValue(config, id) + ")\n";
        }
    } else if (command == "raw") {
        while (words >> id) {
            replayed += std::to_string(id) +
                        " raw = " + std::to_string(ReadFieldBits(config, FindField(id))) + "\n";
        }
    } else if (command == "range" && words >> id) {
        replayed += std::to_string(id) + " from " + std::to_string(GetFieldMin(config, id)) +
                    " to " + std::to_string(GetFieldMax(config, id)) + "\n";
    } else if (command == "list" && words >> id) {
        replayed += std::to_string(id) + " list:";
        for (std::uint32_t item = 0; const auto text = GetFieldListText(config, id, item); ++item) {
            replayed += (item == 0 ? " " : " | ") + *text;
        }
        replayed += "\n";
    } else if (command == "entry") {
        for (int position = 0; words >> position;) {
            std::snprintf(text, sizeof text, "%d: %04X = %08X\n", position,
                          config.Record.Regs[position].Index, config.Record.Regs[position].Value);
            replayed += text;
        }
    } else if (command == "breakdown" && words >> id) {
        replayed += RegisterBreakdown(config, static_cast<int>(id)) + "\n";
    } else if (command == "name" && words >> id >> value) {
        replayed += FormatFieldName(id, value) + "\n";
    } else if (command == "flags") {
        std::snprintf(text, sizeof text, "flags = %08X\n", config.Record.Flags);
        replayed += text;
    } else if (command == "layout") {
        RecomputeLayout(config);
    } else if (command == "mode") {
        replayed += FormatModeString(config) + "\n";
    } else if (command == "pixel-clocks") {
        const PixelClockList list = ReachablePixelClocks(config);
        for (std::size_t line = 0; line < list.lines.size(); ++line) {
            replayed += (line == list.selected ? "> " : "  ") + list.lines[line] + "\n";
        }
    } else if (command == "validate") {
        replayed += ValidateErrors(config, 4096) + ValidateWarnings(config, 4096);
    } else {
        ADD_FAILURE() << "unknown command: " << line;
    }
    return replayed;
}

class SettingsTranscript : public testing::TestWithParam<const char*> {};

TEST_P(SettingsTranscript, MatchesTheGoldenFile) {
    config::WorkingConfig config(TemplateRecord);
    test::ExpectTranscriptHolds(K7R_SOURCE_DIR "/tests/regs/golden/" + std::string(GetParam()) +
                                    ".txt",
                                [&](const std::string& line) { return Answer(config, line); });
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsTranscript,
                         testing::Values("values", "validation", "registers", "computations"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace k7r::regs
