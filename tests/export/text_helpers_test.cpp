#include "export/c_text.h"
#include "export/symbol_names.h"

#include <gtest/gtest.h>

// The common cases are in every generated file and so in the golden files.
namespace k7r::exporter {
namespace {

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

} // namespace
} // namespace k7r::exporter
