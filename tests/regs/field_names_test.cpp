#include "regs/field_controls.h"
#include "regs/field_names.h"
#include "regs/field_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace k7r::regs {
namespace {

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

} // namespace
} // namespace k7r::regs
