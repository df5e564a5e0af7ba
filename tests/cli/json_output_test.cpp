// --json: each command's document read back with a JSON parser and held
// against the same command's text output.
#include "cli/command.h"
#include "config/default_records.h"
#include "tests/cli/cli_run.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>

namespace k7r::cli {
namespace {

using nlohmann::json;

json Document(const CliRun& run) {
    EXPECT_TRUE(json::accept(run.out)) << run.out;
    return json::parse(run.out, nullptr, false);
}

// Literal values of the viewer's record; the text forms are checked by the
// commands' own tests.
TEST(JsonOutput, ShowAndRegsHoldTheRecord) {
    const std::string image = test::TestImagePath("carrier.elf");
    const json shown = Document(RunCli({"show", image, "--json"}));
    EXPECT_EQ(shown["file"], image);
    EXPECT_EQ(shown["crcStatus"], "OK");
    EXPECT_EQ(shown["byteOrder"], "little-endian");
    EXPECT_EQ(shown["record"]["Crc"], ViewerRecord.Crc);
    EXPECT_EQ(shown["record"]["Flags"], 0x18);
    EXPECT_EQ(shown["flagNames"], json({"fFIXED_DIVMCLK", "fFIXED_DIVPCLK"}));
    EXPECT_EQ(shown["record"]["ClkI"], 40000000);
    EXPECT_EQ(shown["mode"], "320x240x8bpp 70Hz Color 8-Bit STN, Format 2 (PCLK=6.250MHz)");
    EXPECT_EQ(shown["panel"], nullptr);
    ASSERT_EQ(shown["registers"].size(), 49u);
    EXPECT_EQ(shown["registers"][46], json({{"index", 0xFFFE},
                                            {"identifier", "REG_POWER_ON_DELAY"},
                                            {"name", "LCD Panel Power On Delay (in ms)"},
                                            {"value", 50}}));
    EXPECT_EQ(shown["diagnostics"], json::array());

    const json regs = Document(RunCli({"regs", image, "--json", "--breakdown"}));
    ASSERT_EQ(regs["registers"].size(), 49u);
    EXPECT_EQ(regs["registers"][0]["breakdown"][0], "[Bit18]  16pp Color = Disabled");
}

TEST(JsonOutput, GetGivesEachSettingsNumberAndText) {
    const json got = Document(
        RunCli({"get", test::TestImagePath("carrier.elf"), "2", "24", "Horz Total", "--json"}));
    EXPECT_EQ(got["settings"], json::parse(R"([
        {"id": 2, "name": "CLKI Timing", "value": 40000000, "text": "40000000"},
        {"id": 24, "name": "Panel Type", "value": 0, "text": "STN"},
        {"id": 67, "name": "Horz Total", "value": 352, "text": "352"}])"));
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
    EXPECT_EQ(diagnostics["diagnostics"][0], json::parse(R"({"severity": "error", "text":
        "Horz Total is less than or equal to (Horz Start Pos + Horz Disp Period)."})"));
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

TEST(JsonOutput, FieldsAndPanelsListTheirEntries) {
    const json fields = Document(RunCli({"fields", "--json"}));
    ASSERT_EQ(fields["fields"].size(), 186u);
    EXPECT_EQ(fields["fields"][0]["shortName"], "Cfg Desc");
    const json bpp = Document(RunCli({"fields", "54", "--json"}))["fields"][0];
    EXPECT_EQ(bpp["register"], 0x10);
    EXPECT_EQ(bpp["bits"], json::parse(R"({"high": 4, "low": 0})"));
    EXPECT_EQ(bpp["units"], "BPP");
    EXPECT_EQ(bpp["accepted"], "Allowed values: 1, 2, 4, 8, 16.");

    const json panels = Document(RunCli({"panels", "--def", kShippedPanels, "--json"}));
    EXPECT_EQ(panels["file"], kShippedPanels);
    ASSERT_EQ(panels["panels"].size(), 13u);
    EXPECT_EQ(panels["panels"][0]["name"], "QVGA TFT 320x240 18-bit");
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
