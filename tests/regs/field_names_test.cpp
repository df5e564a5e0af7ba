#include "regs/field_names.h"
#include "regs/field_table.h"

#include <gtest/gtest.h>

#include <string>

namespace k7r {
namespace {

const std::string kRule(50, '_');

TEST(FormatFieldName, StylesInUse) {
    EXPECT_EQ(FormatFieldName(67, 9), "Horz Total");
    EXPECT_EQ(FormatFieldName(43, 13), "HR-TFT Res [RSVD]");
    EXPECT_EQ(FormatFieldName(27, 5), "CNF[6:0] Status [READONLY]");
    EXPECT_EQ(FormatFieldName(67, 10), "REG[20h-b6:0]");
    EXPECT_EQ(FormatFieldName(117, 10), "REG[80h]");
    EXPECT_EQ(FormatFieldName(167, 3), "BitBLT Color Format (REG[8000h] Bit 18)");
    EXPECT_EQ(FormatFieldName(67, 1), "Horizontal Total");
}

TEST(FormatFieldName, PositionAndAttributeForms) {
    EXPECT_EQ(FormatFieldName(67, 2), "REG[20h] Bits 6:0");
    EXPECT_EQ(FormatFieldName(35, 10), "REG[0Ch-b24]");
    EXPECT_EQ(FormatFieldName(179, 10), "REG[800Ch-b20:0]");
    // Without a name the position is not parenthesized.
    EXPECT_EQ(FormatFieldName(27, 6), "REG[00h] Bits 22:16 [READONLY]");
    EXPECT_EQ(FormatFieldName(89, 15), "S/W Reset (REG[60h-b23:16]) [RSVD,WO]");
    EXPECT_EQ(FormatFieldName(89, 5), "Software Reset [RESERVED,WRITEONLY]");
    EXPECT_EQ(FormatFieldName(173, 14), "REG[8004h-b6] [RO]");
}

TEST(FormatFieldName, NothingToShowGivesAnEmptyText) {
    EXPECT_EQ(FormatFieldName(37, 9), "");
    EXPECT_EQ(FormatFieldName(0, 15), "");
    EXPECT_EQ(FormatFieldName(67, 0), "");
    EXPECT_EQ(FormatFieldName(67, 4), "");  // no attribute notes to show
    EXPECT_EQ(FormatFieldName(10, 10), ""); // record settings have no position
    EXPECT_EQ(FormatFieldName(10, 3), "Frame Rate");
}

TEST(FieldHelpForId, RegisterFieldShowsHelpRuleNameUnitsAndFormula) {
    const FIELD_DESC& field = kFieldTable[FindField(67)];
    EXPECT_EQ(FieldHelpForId(67), std::string(field.Help) + "\n" + kRule + "\n" +
                                      "Horizontal Total (pixels) = ( REG[20h-b6:0] + 1 ) * 8");
}

TEST(FieldHelpForId, OtherRecordsAreNotRegisterValues) {
    EXPECT_TRUE(FieldHelpForId(10).ends_with("\nFrame Rate (Hz) is not a register value."));
    // No help text: no rule either.
    EXPECT_EQ(FieldHelpForId(11), "Required VRAM is not a register value.");
}

TEST(FieldHelpForId, RecordsWithoutFormulaShowTheBitsAlone) {
    EXPECT_EQ(FieldHelpForId(28), "Display Buffer Size [READONLY] (bytes) = REG[00h-b15:8] * 4K");
    EXPECT_EQ(FieldHelpForId(117), "Scratch Pad A = REG[80h]");
}

// Each record with the id gets its own paragraph showing its own bits.
TEST(FieldHelpForId, RepeatedIdGivesOneParagraphPerRecord) {
    EXPECT_EQ(FieldHelpForId(25), "Product Code [READONLY] = REG[00h-b31:26]\n\n"
                                  "Product Code [READONLY] = REG[00h-b7:2]");
    EXPECT_EQ(FieldHelpForId(26), "Revision Code [READONLY] = REG[00h-b25:24]\n\n"
                                  "Revision Code [READONLY] = REG[00h-b1:0]");
}

TEST(FieldHelpForId, UnknownIdsGiveAnEmptyText) {
    EXPECT_EQ(FieldHelpForId(0), "");
    EXPECT_EQ(FieldHelpForId(37), "");
    EXPECT_EQ(FieldHelpForId(186), "");
}

TEST(FieldHelp, QuotedTextsAreKeptWordForWord) {
    EXPECT_EQ(kFieldTable[FindField(18)].Help,
              "When enabled, the display's line address offset (stride) is automatically "
              "calculated to match the display width.  If disabled, the stride can be forced to a "
              "user-selected value.");
    EXPECT_EQ(kFieldTable[FindField(79)].Help,
              "Sets the display start address for the main window of the panel. Typically, the "
              "start address should be set to zero. Manually changing this value should only be "
              "necessary for special purposes.\nThe display start address must be specified in "
              "multiples of 4.");
    EXPECT_TRUE(kFieldTable[FindField(12)].Help.starts_with("The divide ratio for BCLK.\n\n"));
    EXPECT_EQ(kFieldTable[FindField(12)].Help.substr(26),
              kFieldTable[FindField(13)].Help.substr(34));
    EXPECT_TRUE(FieldHelpForId(53).ends_with(
        "SwivelView Mode (degrees) = REG[10h-b17:16] \n   where { 0=0 | 1=90 | 2=180 | 3=270 } "
        "degrees"));
}

} // namespace
} // namespace k7r
