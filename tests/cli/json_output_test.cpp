// --json: each command's document read back with a JSON parser and held
// against the same command's text output.
#include "cli/command.h"
#include "config/default_records.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <map>
#include <string>

namespace k7r::cli {
namespace {

using nlohmann::json;

const std::string kShippedPanels = K7R_SOURCE_DIR "/panels/PANELS.DEF";

json Document(const CliRun& run) {
    EXPECT_TRUE(json::accept(run.out)) << run.out;
    return json::parse(run.out, nullptr, false);
}

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

TEST(JsonOutput, ShowHoldsTheRecordTheTextShows) {
    const std::string image = test::TestImagePath("carrier.elf");
    const std::string text = RunCli({"show", image}).out;
    const json shown = Document(RunCli({"show", image, "--json"}));
    const json& record = shown["record"];
    EXPECT_EQ(shown["file"], image);
    EXPECT_EQ(shown["crcStatus"], "OK");
    EXPECT_EQ(shown["byteOrder"], "little-endian");
    EXPECT_TRUE(HasLine(text, "CRC:               " + Hex(record["Crc"], 4) + "h (OK)"));
    EXPECT_TRUE(HasLine(text, "Flags:             " + Hex(record["Flags"], 8) +
                                  "h fFIXED_DIVMCLK|fFIXED_DIVPCLK"));
    EXPECT_EQ(shown["flagNames"], json({"fFIXED_DIVMCLK", "fFIXED_DIVPCLK"}));
    EXPECT_EQ(record["ClkI"], 40000000);
    EXPECT_TRUE(HasLine(text, "Mode:              " + shown["mode"].get<std::string>()));
    EXPECT_EQ(shown["panel"], nullptr);
    EXPECT_TRUE(HasLine(text, "Registers:         " + std::to_string(shown["registers"].size()) +
                                  " entries"));
    const json& delay = shown["registers"][46];
    EXPECT_EQ(delay["index"], riDELAYON);
    EXPECT_EQ(delay["identifier"], "REG_POWER_ON_DELAY");
    EXPECT_TRUE(HasLine(text, "  47  riDELAYON  REG_POWER_ON_DELAY                = " +
                                  Hex(delay["value"], 8)));
    EXPECT_EQ(shown["diagnostics"], json::array());
}

TEST(JsonOutput, GetGivesEachSettingsNumberAndText) {
    const std::string image = test::TestImagePath("carrier.elf");
    const json got = Document(RunCli({"get", image, "2", "24", "Horz Total", "--json"}));
    std::string text;
    for (const json& setting : got["settings"]) {
        text += std::to_string(setting["id"].get<int>()) + " " +
                setting["name"].get<std::string>() + " = " + setting["text"].get<std::string>() +
                "\n";
    }
    EXPECT_EQ(text, RunCli({"get", image, "2", "24", "Horz Total"}).out);
    EXPECT_EQ(got["settings"][0]["value"], 40000000);
    EXPECT_EQ(got["settings"][1]["value"], 0);
    EXPECT_EQ(got["settings"][1]["text"], "STN");
}

TEST(JsonOutput, RegsListsOffsetValueAndNameOfEachEntry) {
    const std::string image = test::TestImagePath("carrier.elf");
    const std::string text = RunCli({"regs", image}).out;
    const json regs = Document(RunCli({"regs", image, "--json", "--breakdown"}));
    ASSERT_EQ(regs["registers"].size(), 49u);
    for (const json& entry : regs["registers"]) {
        const std::uint32_t index = entry["index"];
        const std::string reg = index >= 0xFFFD ? "DELAY  " : Hex(index, 4) + "h  ";
        const std::string value = Hex(entry["value"], index >= 0x4000 && index < 0x5000 ? 4 : 8);
        EXPECT_NE(text.find("\n" + reg + value + "h"), std::string::npos) << reg << value;
        EXPECT_NE(text.find(entry["name"].get<std::string>()), std::string::npos);
    }
    EXPECT_EQ(regs["registers"][0]["breakdown"][0], "[Bit18]  16pp Color = Disabled");
}

TEST(JsonOutput, ValidateAndSetGiveSeverityAndTextOfEachMessage) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const CliRun set = RunCli({"set", image, "Horz Total=100", "116=300", "--force", "--json"});
    EXPECT_EQ(set.status, kExitSuccess) << set.err;
    const json changed = Document(set);
    EXPECT_EQ(changed["saved"], true);
    EXPECT_EQ(changed["changes"][0]["value"], 96);
    EXPECT_EQ(changed["changes"][1]["messages"], json::parse(R"([{"severity": "note",
                  "text": "The PWMOUT Duty Cycle was set to the closest allowable value."}])"));
    EXPECT_EQ(changed["newErrors"].size(), 2u);

    const CliRun validated = RunCli({"validate", image, "--json"});
    EXPECT_EQ(validated.status, kExitFailure);
    const json diagnostics = Document(validated);
    EXPECT_EQ(diagnostics["error"], true);
    EXPECT_EQ(diagnostics["diagnostics"], changed["diagnostics"]);
    const std::map<std::string, std::string> kPrefixes = {{"error", "ERROR: "},
                                                          {"warning", "Warning: "}};
    std::string text;
    for (const json& message : diagnostics["diagnostics"]) {
        text += kPrefixes.at(message["severity"]) + message["text"].get<std::string>() + "\n";
    }
    EXPECT_EQ(text, RunCli({"validate", image}).out);
}

TEST(JsonOutput, SetRefusalIsPartOfTheDocumentAndNothingIsSaved) {
    const std::string image = ViewerImageCopy(test::ScratchDirectory());
    const test::Bytes original = test::ReadFileBytes(image);
    const CliRun run = RunCli({"set", image, "67=400", "54=12", "--json"});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.err, "");
    const json refused = Document(run);
    EXPECT_EQ(refused["saved"], false);
    EXPECT_EQ(refused["changes"][0]["id"], 67);
    EXPECT_EQ(refused["refused"]["id"], 54);
    EXPECT_EQ(refused["refused"]["messages"][0]["text"], "\"12\" is not a valid Bits-Per-Pixel!");
    EXPECT_EQ(refused["refused"]["hint"], "Allowed values: 1, 2, 4, 8, 16.");
    EXPECT_EQ(test::ReadFileBytes(image), original);
}

TEST(JsonOutput, FieldsAndPanelsMatchTheirLists) {
    const json fields = Document(RunCli({"fields", "--json"}));
    const std::string text = RunCli({"fields"}).out;
    ASSERT_EQ(fields["fields"].size(), 186u);
    for (const json& field : fields["fields"]) {
        EXPECT_NE(text.find(field["shortName"].get<std::string>()), std::string::npos);
    }
    const json bpp = Document(RunCli({"fields", "54", "--json"}))["fields"][0];
    EXPECT_EQ(bpp["register"], 0x10);
    EXPECT_EQ(bpp["bits"], json::parse(R"({"high": 4, "low": 0})"));
    EXPECT_EQ(bpp["units"], "BPP");
    EXPECT_EQ(bpp["accepted"], "Allowed values: 1, 2, 4, 8, 16.");

    const json panels = Document(RunCli({"panels", "--def", kShippedPanels, "--json"}));
    EXPECT_EQ(panels["file"], kShippedPanels);
    std::string names = "Panel file: " + kShippedPanels + "\n";
    for (const json& panel : panels["panels"]) {
        names += panel["name"].get<std::string>() + "\n";
    }
    EXPECT_EQ(names + "Custom panel\n", RunCli({"panels", "--def", kShippedPanels}).out);
}

// A description in another code page still makes a document.
TEST(JsonOutput, BytesThatAreNotUtf8AreReplaced) {
    const std::string dir = test::ScratchDirectory();
    HAL_STRUCT record = TemplateRecord;
    std::snprintf(record.Description, sizeof record.Description, "Caf\xE9");
    test::WriteFileBytes(dir + "/latin1.exe", test::ImageWithRecords(2000, record, {0}));
    const json shown = Document(RunCli({"show", dir + "/latin1.exe", "--json"}));
    EXPECT_EQ(shown["record"]["Description"], "Caf\xEF\xBF\xBD");
}

} // namespace
} // namespace k7r::cli
