#include "regs/field_controls.h"
#include "regs/field_names.h"

#include <gtest/gtest.h>

namespace k7r {
namespace {

TEST(FieldControls, BindingNeedsAKnownId) {
    FieldControlBindings bindings;
    EXPECT_FALSE(BindFieldControls(bindings, 0, 1000, 0));
    EXPECT_FALSE(BindFieldControls(bindings, 37, 1000, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1000), 0u);
    EXPECT_TRUE(BindFieldControls(bindings, 25, 1000, 0));
    EXPECT_EQ(bindings.Ranges[FindField(25)].FirstControl, 1000u);
    EXPECT_EQ(FindFieldByControl(bindings, 1000), 25u);
}

TEST(FieldControls, SingleControlsAndRangesAreFound) {
    FieldControlBindings bindings;
    ASSERT_TRUE(BindFieldControls(bindings, 54, 1301, 1305));
    ASSERT_TRUE(BindFieldControls(bindings, 46, 1311, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1300), 0u);
    EXPECT_EQ(FindFieldByControl(bindings, 1301), 54u);
    EXPECT_EQ(FindFieldByControl(bindings, 1305), 54u);
    EXPECT_EQ(FindFieldByControl(bindings, 1306), 0u);
    EXPECT_EQ(FindFieldByControl(bindings, 1311), 46u);
    EXPECT_EQ(FindFieldByControl(bindings, 1312), 0u);
}

TEST(FieldControls, ControlZeroNeverMatchesTheUnboundRecords) {
    FieldControlBindings bindings;
    ASSERT_TRUE(BindFieldControls(bindings, 67, 3008, 3010));
    EXPECT_EQ(FindFieldByControl(bindings, 0), 0u);
    EXPECT_EQ(FieldHelpForControl(bindings, 0), "");
}

TEST(FieldControls, RebindingReplacesTheRange) {
    FieldControlBindings bindings;
    ASSERT_TRUE(BindFieldControls(bindings, 7, 1615, 0));
    ASSERT_TRUE(BindFieldControls(bindings, 7, 1616, 0));
    EXPECT_EQ(FindFieldByControl(bindings, 1615), 0u);
    EXPECT_EQ(FindFieldByControl(bindings, 1616), 7u);
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
} // namespace k7r
