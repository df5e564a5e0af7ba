#include "export/c_text.h"
#include "export/symbol_names.h"

#include <gtest/gtest.h>

// The common cases are in every generated file and so in the golden files.
namespace k7r::exporter {
namespace {

TEST(PadField, FillsTheColumnOrKeepsTwoBlanksAfterALongValue) {
    const std::string exact(23, 'x');
    EXPECT_EQ(PadField(24, exact), exact + ",");
    const std::string over(24, 'x');
    EXPECT_EQ(PadField(24, over), over + ",  ");
    EXPECT_EQ(PadField(12, ""), ",           ");
}

TEST(DropLastComma, BlanksOnlyTheLastComma) {
    std::string text = "    { A, 1 },\n    { B, 2 },\n";
    DropLastComma(text);
    EXPECT_EQ(text, "    { A, 1 },\n    { B, 2 } \n");
    std::string none = "no commas\n";
    DropLastComma(none);
    EXPECT_EQ(none, "no commas\n");
}

TEST(EscapeCText, EscapesLineBreaksQuotesBackslashesAndTrigraphs) {
    EXPECT_EQ(EscapeCText("3.5\" QVGA\nrev \\B\r"), "3.5\\\" QVGA\\nrev \\\\B\\r");
    EXPECT_EQ(EscapeCText("plain text, tab\t"), "plain text, tab\t");
    EXPECT_EQ(EscapeCText(""), "");
    // Spelled with "\?" here too, so that the literals read back unchanged.
    EXPECT_EQ(EscapeCText("what?\?/"), "what?\\?/");
    EXPECT_EQ(EscapeCText("?\?\?="), "?\\?\\?=");
    EXPECT_EQ(EscapeCText("a?b?"), "a?b?");
}

TEST(FlagNames, PrintTheBclkDivideFirstAndZeroForNone) {
    EXPECT_EQ(FlagNames(0x0018), "fFIXED_DIVMCLK|fFIXED_DIVPCLK");
    EXPECT_EQ(FlagNames(0x0028), "fBCLK_DIVIDEBY2|fFIXED_DIVMCLK");
    EXPECT_EQ(FlagNames(0x0000), "0");
    EXPECT_EQ(FlagNames(0x0007), "0");
    EXPECT_EQ(FlagNames(0x03F8), "fBCLK_DIVIDEBY2|fFIXED_DIVMCLK|fFIXED_DIVPCLK|fNO_CLOCK_CHIP|"
                                 "fNO_USB_SUPPORT|fHRTFT_INUSE|fFIXED_STRIDE");
    // Mode flags in fixed order, then the rotation.
    EXPECT_EQ(ModeFlagNames(0x160001, 180), "mfLCD|mfSWCURSOR|mfSWEMUL|mfHWBLT|mfR180");
    EXPECT_EQ(ModeFlagNames(0, 0), "0");
    EXPECT_EQ(ModeFlagNames(0, 90), "mfR90");
    EXPECT_EQ(ModeFlagNames(0x000002, 0), "0");
}

TEST(CamelName, JoinsPiecesAndKeepsTheKnownWords) {
    EXPECT_EQ(CamelName("PANEL_TYPE_MOD_RATE"), "PanelTypeMODRate");
    EXPECT_EQ(CamelName("_PIP__X_"), "PiPX");
    EXPECT_EQ(CamelName(""), "");
}

} // namespace
} // namespace k7r::exporter
