#include "regs/field_controls.h"
#include "regs/field_names.h"
#include "regs/field_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

// Each record with the id gets its own paragraph showing its own bits; the
// paragraphs themselves are held by the command line's transcript.
TEST(FieldHelpForId, GivesOneParagraphPerRecordAndNoneForUnknownIds) {
    EXPECT_EQ(FieldHelpForId(25), "Product Code [READONLY] = REG[00h-b31:26]\n\n"
                                  "Product Code [READONLY] = REG[00h-b7:2]");
    for (const std::uint32_t id : {0u, 37u, 186u}) {
        EXPECT_EQ(FieldHelpForId(id), "") << id;
    }
}

TEST(FieldControls, BindingNeedsAKnownIdAndReplacesTheRange) {
    FieldControlBindings bindings;
    EXPECT_FALSE(BindFieldControls(bindings, 0, 1000, 0));
    EXPECT_FALSE(BindFieldControls(bindings, 37, 1000, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1000), 0u);
    EXPECT_TRUE(BindFieldControls(bindings, 25, 1000, 0));
    EXPECT_EQ(bindings.Ranges[FindField(25)].FirstControl, 1000u);
    EXPECT_EQ(FindFieldByControl(bindings, 1000), 25u);
    ASSERT_TRUE(BindFieldControls(bindings, 25, 1001, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1000), 0u);
    EXPECT_EQ(FindFieldByControl(bindings, 1001), 25u);
}

// Control 0 never matches the records left unbound.
TEST(FieldControls, SingleControlsAndRangesAreFound) {
    FieldControlBindings bindings;
    ASSERT_TRUE(BindFieldControls(bindings, 54, 1301, 1305));
    ASSERT_TRUE(BindFieldControls(bindings, 46, 1311, 0));
    const std::pair<std::uint32_t, std::uint32_t> found[] = {
        {1300, 0}, {1301, 54}, {1305, 54}, {1306, 0}, {1311, 46}, {1312, 0}, {0, 0}};
    for (const auto& [control, id] : found) {
        EXPECT_EQ(FindFieldByControl(bindings, control), id) << control;
    }
    EXPECT_EQ(FieldHelpForControl(bindings, 0), "");
}

TEST(FieldHelpForControl, ShowsEveryRecordBoundToTheControlInTableOrder) {
    FieldControlBindings bindings;
    ASSERT_TRUE(BindFieldControls(bindings, 33, 1406, 0));
    ASSERT_TRUE(BindFieldControls(bindings, 15, 1406, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1406), 15u);
    EXPECT_EQ(FieldHelpForControl(bindings, 1406),
              "Automatic PCLK Divide is not a register value.\n\n" + FieldHelpForId(33));
}

TEST(FieldHelpForControl, RecordSettingEndsAsNotARegisterValue) {
    FieldControlBindings bindings;
    ASSERT_TRUE(BindFieldControls(bindings, 4, 1208, 0));
    const std::string help = FieldHelpForControl(bindings, 1208);
    EXPECT_EQ(help, FieldHelpForId(4));
    EXPECT_TRUE(help.ends_with("Physical Register Address is not a register value."));
    EXPECT_EQ(FieldHelpForControl(bindings, 1209), "");
}

} // namespace
} // namespace k7r::regs
