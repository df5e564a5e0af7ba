// Configurations other than those of the golden files.
#include "config/default_records.h"
#include "config/record.h"
#include "export/appcfg_header.h"
#include "export/csv_export.h"
#include "export/export_options.h"
#include "export/generic_header.h"
#include "export/text_format.h"
#include "export_test_support.h"
#include "regs/register_table.h"

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
