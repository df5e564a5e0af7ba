// What the generators write: every kind against the golden files, other
// configurations, and the text helpers (whose common cases are in every
// generated file and so in the golden files); and how it reaches the disk.
#include "config/default_records.h"
#include "config/record.h"
#include "export/appcfg_header.h"
#include "export/c_text.h"
#include "export/csv_export.h"
#include "export/export_kinds.h"
#include "export/export_options.h"
#include "export/generic_header.h"
#include "export/output_file.h"
#include "export/symbol_names.h"
#include "export/text_format.h"
#include "export_test_support.h"
#include "regs/register_table.h"
#include "tests/support/test_files.h"
#ifndef _WIN32
#include "tests/support/child_process.h"
#include <signal.h>
#include <sys/resource.h>
#endif

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace k7r::exporter {
namespace {

namespace fs = std::filesystem;
using test::ConfigWithEntries;

// Every kind for both configurations against the files kept in
// tests/export/golden/<configuration>. The register map and the quick
// reference do not depend on the configuration and are kept once, with the
// template's. K7R_UPDATE_GOLDEN=1 rewrites the files instead, for a
// deliberate change that is then reviewed line by line.
class Golden : public testing::TestWithParam<const char*> {};

TEST_P(Golden, EveryKindMatchesItsFileByteForByte) {
    const std::string name = GetParam();
    config::WorkingConfig config = test::NamedConfig(name);
    const bool update = std::getenv("K7R_UPDATE_GOLDEN") != nullptr;
    for (const ExportKind& kind : ExportKinds()) {
        const bool shared = kind.commandName == "chip" || kind.commandName == "html";
        const fs::path dir =
            fs::path(K7R_SOURCE_DIR) / "tests/export/golden" / (shared ? "template" : name);
        const fs::path path = dir / DefaultFileName(kind, {});
        const std::string text = kind.generate(config, {});
        if (update) {
            fs::create_directories(dir);
            test::WriteText(path.string(), text);
        } else {
            EXPECT_EQ(text, test::ReadText(path.string())) << path;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, Golden, testing::Values("template", "rotated"));

TEST(AppCfg, PrintsTheCrcOfTheRecordTheHeaderDescribes) {
    config::WorkingConfig endOnly = ConfigWithEntries({});
    EXPECT_NE(ExportAppCfg(endOnly, 17)
                  .find("    {                       // K7R58C22 init registers\n"
                        "        { REG_END_OF_TABLE,                     0x00000000 } \n    }\n"),
              std::string::npos);
    config::WorkingConfig config(TemplateRecord);
    // Bytes the header cannot express do not reach its CRC.
    config.Record.Regs[60] = {0x0010, 0xDEADBEEF};
    config.Record.Flags |= 0x0001;
    EXPECT_NE(ExportAppCfg(config, 17)
                  .find(Printf("\n    0x%04X,                 // CRC of the rest of structure\n",
                               config::ComputeRecordCrc(TemplateRecord))),
              std::string::npos);
}

TEST(GenericHeader, AnEmptyRegisterListKeepsTheMacroIntact) {
    config::WorkingConfig config = ConfigWithEntries({{0x8000, 0}, {0x4000, 0}});
    const std::string text = ExportGenericHeader(config, 17, mfLCD);
    EXPECT_NE(text.find("#define K7R_INSTANTIATE_REGISTERS(scope_prefix,variable_name)  \\\n"
                        "  scope_prefix K7R_REGS variable_name[] =  \\\n  {  \\\n  }\n"),
              std::string::npos);
}

TEST(Csv, FiveEntriesFillTwoColumnsOfThreeLines) {
    config::WorkingConfig config =
        ConfigWithEntries({{0x04, 0}, {0x08, 0x43}, {riDELAYON, 50}, {0x40, 0}, {riDELAYOFF, 7}});
    const std::string text = ExportCsv(config, 17);
    EXPECT_TRUE(text.ends_with("\n0004h, 00000000h, Memory Clock Configuration Register,  "
                               "0040h, 00000000h, Main Window Display Start Address Register\n"
                               "0008h, 00000043h, Pixel Clock Configuration Register,  "
                               "FFFDh, 00000007h, LCD Panel Power Off Delay (in ms)\n"
                               "Delay, 00000032h, LCD Panel Power On Delay (in ms)\n"))
        << text;
}

TEST(CText, PadsColumnsDropsTheLastCommaAndEscapes) {
    EXPECT_EQ(PadField(24, std::string(23, 'x')), std::string(23, 'x') + ",");
    EXPECT_EQ(PadField(24, std::string(24, 'x')), std::string(24, 'x') + ",  ");
    EXPECT_EQ(PadField(12, ""), ",           ");
    for (auto [text, dropped] :
         {std::pair<std::string, std::string>{"{ A },\n{ B },\n", "{ A },\n{ B } \n"},
          {"no commas\n", "no commas\n"}}) {
        DropLastComma(text);
        EXPECT_EQ(text, dropped);
    }
    EXPECT_EQ(EscapeCText("3.5\" QVGA\nrev \\B\r"), "3.5\\\" QVGA\\nrev \\\\B\\r");
    EXPECT_EQ(EscapeCText("plain text, tab\t"), "plain text, tab\t");
    // Spelled with "\?" here too, so that the literals read back unchanged.
    EXPECT_EQ(EscapeCText("what?\?/"), "what?\\?/");
    EXPECT_EQ(EscapeCText("?\?\?="), "?\\?\\?=");
    EXPECT_EQ(EscapeCText("a?b?"), "a?b?");
}

TEST(SymbolNames, PrintFlagsInFixedOrderAndCamelCaseNames) {
    EXPECT_EQ(FlagNames(0x0028), "fBCLK_DIVIDEBY2|fFIXED_DIVMCLK");
    EXPECT_EQ(FlagNames(0x0007), "0");
    EXPECT_EQ(FlagNames(0x03F8), "fBCLK_DIVIDEBY2|fFIXED_DIVMCLK|fFIXED_DIVPCLK|fNO_CLOCK_CHIP|"
                                 "fNO_USB_SUPPORT|fHRTFT_INUSE|fFIXED_STRIDE");
    EXPECT_EQ(ModeFlagNames(0x160001, 180), "mfLCD|mfSWCURSOR|mfSWEMUL|mfHWBLT|mfR180");
    EXPECT_EQ(ModeFlagNames(0x000002, 0), "0");
    EXPECT_EQ(ModeFlagNames(0, 90), "mfR90");
    EXPECT_EQ(CamelName("PANEL_TYPE_MOD_RATE"), "PanelTypeMODRate");
    EXPECT_EQ(CamelName("_PIP__X_"), "PiPX");
}

#ifndef _WIN32
// A file size limit stops the write part way, as a full disk would: the
// file that was there stays, whole.
TEST(WriteOutputFile, ReplacesAnExistingFileOnlyWhenTheNewOneIsComplete) {
    const std::string dir = test::ScratchDirectory();
    const std::string path = dir + "/k7r58c22.html";
    test::WriteText(path, "the old page");
    test::ChildProcess writer([&](std::FILE* report) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string message;
        const bool written = WriteOutputFile(path, std::string(10000, 'x'), message);
        std::fputs(message.c_str(), report);
        return written ? 0 : 1;
    });
    const test::ChildOutcome outcome = writer.Wait();
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.report, "Failed to create file " + path);
    EXPECT_EQ(test::ReadText(path), "the old page");
    EXPECT_EQ(test::EntriesIn(dir), 1);
}
#endif

} // namespace
} // namespace k7r::exporter
