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

TEST(AppCfg, PrintsTheCrcOfTheRecordTheHeaderDescribes) {
    config::WorkingConfig endOnly = ConfigWithEntries({});
    EXPECT_NE(ExportAppCfg(endOnly, 17)
                  .find("    {                       // K7R58C22 init registers\n"
                        "        { REG_END_OF_TABLE,                     0x00000000 } \n    }\n"),
              std::string::npos);
    config::WorkingConfig config = test::TemplateConfig();
    // Bytes the header cannot express do not reach its CRC.
    config.Record.Regs[60] = {0x0010, 0xDEADBEEF};
    config.Record.Flags |= 0x0001;
    EXPECT_NE(ExportAppCfg(config, 17)
                  .find(Printf("\n    0x%04X,                 // CRC of the rest of structure\n",
                               config::ComputeRecordCrc(TemplateRecord))),
              std::string::npos);
}

TEST(ModeHeader, TurnsTheModeAndNamesItsNumberAndFlags) {
    config::WorkingConfig config = test::TemplateConfig();
    regs::SetFieldValue(config, regs::kIdSwivelView, 180);
    const std::string text = ExportModeHeader(config, 7, 0x160001, 17);
    for (const char* part : {"\n#ifndef __MODE7_H__\n#define __MODE7_H__\n",
                             "        7,320,240,8,70,gpe8Bpp,     // Mode #7: 320 x 240 8Bpp 70Hz",
                             "        mfLCD|mfSWCURSOR|mfSWEMUL|mfHWBLT|mfR180,  // Mode Flags"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
    EXPECT_TRUE(text.ends_with("\n#endif // __MODE7_H__\n"));
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

} // namespace
} // namespace k7r::exporter
