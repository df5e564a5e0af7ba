// Configurations other than those of the golden files.
#include "config/default_records.h"
#include "config/record.h"
#include "export/appcfg_header.h"
#include "export/csv_export.h"
#include "export/export_options.h"
#include "export/generic_header.h"
#include "export/mode_header.h"
#include "export/text_format.h"
#include "export_test_support.h"
#include "regs/field_values.h"
#include "regs/register_table.h"
#include "regs/setting_ids.h"

#include <gtest/gtest.h>

namespace k7r::exporter {
namespace {

using test::ConfigWithEntries;

constexpr std::uint32_t kDefaultFlags = ExportOptions{}.ModeFlags;

TEST(AppCfg, ATableOfOnlyTheEndMarkerGivesOneRegisterLine) {
    config::WorkingConfig config = ConfigWithEntries({});
    EXPECT_NE(ExportAppCfg(config, 17)
                  .find("    {                       // K7R58C22 init registers\n"
                        "        { REG_END_OF_TABLE,                     0x00000000 } \n    }\n"),
              std::string::npos);
}

TEST(AppCfg, PrintsTheCrcOfTheRecordTheHeaderDescribes) {
    config::WorkingConfig config = test::TemplateConfig();
    // Bytes the header cannot express do not reach its CRC.
    config.Record.Regs[60] = {0x0010, 0xDEADBEEF};
    config.Record.Flags |= 0x0001;
    EXPECT_NE(ExportAppCfg(config, 17)
                  .find(Printf("\n    0x%04X,                 // CRC of the rest of structure\n",
                               config::ComputeRecordCrc(TemplateRecord))),
              std::string::npos);
}

TEST(ModeHeader, TurnsOrHalvesTheModeAndNamesItsNumberAndFlags) {
    struct Case {
        std::uint32_t swivel, doubling, mode, flags;
        const char* line;
    };
    for (const Case& c : {
             Case{90, 0, 0, kDefaultFlags,
                  "        0,240,320,8,70,gpe8Bpp,     // Mode #0: 240 x 320 8Bpp 70Hz"},
             Case{0, 1, 3, kDefaultFlags,
                  "        3,160,240,8,70,gpe8Bpp,     // Mode #3: 160 x 240 8Bpp 70Hz"},
             Case{180, 0, 7, 0x160001,
                  "        mfLCD|mfSWCURSOR|mfSWEMUL|mfHWBLT|mfR180,  // Mode Flags"},
         }) {
        config::WorkingConfig config = test::TemplateConfig();
        regs::SetFieldValue(config, regs::kIdSwivelView, c.swivel);
        regs::SetFieldValue(config, regs::kIdHorzDoubling, c.doubling);
        const std::string text = ExportModeHeader(config, c.mode, c.flags, 17);
        EXPECT_NE(text.find(c.line), std::string::npos) << c.line;
        EXPECT_NE(
            text.find(Printf("\n#ifndef __MODE%u_H__\n#define __MODE%u_H__\n", c.mode, c.mode)),
            std::string::npos);
        EXPECT_TRUE(text.ends_with(Printf("\n#endif // __MODE%u_H__\n", c.mode))) << c.mode;
    }
}

TEST(GenericHeader, AnEmptyRegisterListKeepsTheMacroIntact) {
    config::WorkingConfig config = ConfigWithEntries({{0x8000, 0}, {0x4000, 0}});
    const std::string text = ExportGenericHeader(config, 17, kDefaultFlags);
    EXPECT_NE(text.find("#define K7R_INSTANTIATE_REGISTERS(scope_prefix,variable_name)  \\\n"
                        "  scope_prefix K7R_REGS variable_name[] =  \\\n  {  \\\n  }\n"),
              std::string::npos);
}

TEST(GenericHeader, ModeFlagsChooseTheAccelerationAndCursorDefinitions) {
    config::WorkingConfig config = test::TemplateConfig();
    const std::string all = ExportGenericHeader(config, 17, 0x160001);
    EXPECT_NE(all.find("\n#define K7R_HWBLT\n#define K7R_SWBLT\n#define K7R_SW_CURSOR\n"),
              std::string::npos);
    const std::string none = ExportGenericHeader(config, 17, mfLCD);
    EXPECT_EQ(none.find("BLT\n"), std::string::npos);
    EXPECT_EQ(none.find("K7R_SW_CURSOR"), std::string::npos);
}

TEST(Csv, FiveEntriesFillTwoColumnsOfThreeLines) {
    config::WorkingConfig config =
        ConfigWithEntries({{0x04, 0}, {0x08, 0x43}, {riDELAYON, 50}, {0x40, 0}, {riDELAYOFF, 7}});
    const std::vector<std::string> lines = test::Lines(ExportCsv(config, 17));
    ASSERT_EQ(lines.size(), 7u + 3u);
    EXPECT_EQ(lines[7], "0004h, 00000000h, Memory Clock Configuration Register,  "
                        "0040h, 00000000h, Main Window Display Start Address Register");
    EXPECT_EQ(lines[8], "0008h, 00000043h, Pixel Clock Configuration Register,  "
                        "FFFDh, 00000007h, LCD Panel Power Off Delay (in ms)");
    EXPECT_EQ(lines[9], "Delay, 00000032h, LCD Panel Power On Delay (in ms)");
}

} // namespace
} // namespace k7r::exporter
