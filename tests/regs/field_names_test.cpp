#include "regs/field_names.h"
#include "regs/field_table.h"

#include <gtest/gtest.h>

#include <string>

namespace k7r::regs {
namespace {

// Without a name the position is not parenthesized. Unknown ids, no parts,
// no attribute notes to show and the position of a record setting give "".
TEST(FormatFieldName, StylesPositionsAndAttributes) {
    struct Case {
        std::uint32_t id, style;
        const char* name;
    };
    const Case cases[] = {{67, 9, "Horz Total"},
                          {43, 13, "HR-TFT Res [RSVD]"},
                          {27, 5, "CNF[6:0] Status [READONLY]"},
                          {67, 10, "REG[20h-b6:0]"},
                          {117, 10, "REG[80h]"},
                          {167, 3, "BitBLT Color Format (REG[8000h] Bit 18)"},
                          {67, 1, "Horizontal Total"},
                          {67, 2, "REG[20h] Bits 6:0"},
                          {35, 10, "REG[0Ch-b24]"},
                          {179, 10, "REG[800Ch-b20:0]"},
                          {27, 6, "REG[00h] Bits 22:16 [READONLY]"},
                          {89, 15, "S/W Reset (REG[60h-b23:16]) [RSVD,WO]"},
                          {89, 5, "Software Reset [RESERVED,WRITEONLY]"},
                          {173, 14, "REG[8004h-b6] [RO]"},
                          {10, 3, "Frame Rate"},
                          {37, 9, ""},
                          {0, 15, ""},
                          {67, 0, ""},
                          {67, 4, ""},
                          {10, 10, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFieldName(c.id, c.style), c.name) << c.id << " in style " << c.style;
    }
}

TEST(FieldHelpForId, OtherRecordsAreNotRegisterValues) {
    EXPECT_TRUE(FieldHelpForId(10).ends_with("\nFrame Rate (Hz) is not a register value."));
    // No help text: no rule either.
    EXPECT_EQ(FieldHelpForId(11), "Required VRAM is not a register value.");
}

TEST(FieldHelpForId, RecordsWithoutFormulaShowTheBitsAlone) {
    EXPECT_EQ(FieldHelpForId(28), "Display Buffer Size [READONLY] (bytes) = REG[00h-b15:8] * 4K");
    EXPECT_EQ(FieldHelpForId(117), "Scratch Pad A = REG[80h]");
    EXPECT_TRUE(FieldHelpForId(53).ends_with(
        "SwivelView Mode (degrees) = REG[10h-b17:16] \n   where { 0=0 | 1=90 | 2=180 | 3=270 } "
        "degrees"));
}

// Each record with the id gets its own paragraph showing its own bits.
TEST(FieldHelpForId, RepeatedIdGivesOneParagraphPerRecord) {
    EXPECT_EQ(FieldHelpForId(25), "Product Code [READONLY] = REG[00h-b31:26]\n\n"
                                  "Product Code [READONLY] = REG[00h-b7:2]");
    EXPECT_EQ(FieldHelpForId(26), "Revision Code [READONLY] = REG[00h-b25:24]\n\n"
                                  "Revision Code [READONLY] = REG[00h-b1:0]");
}

TEST(FieldHelpForId, UnknownIdsGiveAnEmptyText) {
    for (const std::uint32_t id : {0u, 37u, 186u}) {
        EXPECT_EQ(FieldHelpForId(id), "") << id;
    }
}

} // namespace
} // namespace k7r::regs
