#include "regs/layout.h"
#include "regs/panel_type.h"
#include "regs/validation.h"
#include "tests/regs/setting_steps.h"

namespace k7r::regs {
namespace {

using test::SetAll;

TEST(FieldValues, SetReportsWhetherTheRequestDiffersFromTheOldValue) {
    config::WorkingConfig config(TemplateRecord);
    ASSERT_EQ(GetFieldValue(config, 67), 352u);
    EXPECT_FALSE(SetFieldValue(config, 67, 352));
    // Stored as 352 again, but the request differed.
    EXPECT_TRUE(SetFieldValue(config, 67, 359));
    EXPECT_EQ(GetFieldValue(config, 67), 352u);
    SetFieldValue(config, 29, 4);
    EXPECT_TRUE(SetFieldValue(config, 29, 9)); // clamped to the old 4
    EXPECT_FALSE(SetFieldValue(config, 9999, 1));
    EXPECT_EQ(GetFieldValue(config, 9999), 0u);
    EXPECT_EQ(FormatFieldValue(config, 9999), "");
    EXPECT_FALSE(GetFieldListText(config, 9999, 0));
}

TEST(FieldValues, FormatsHexByFieldWidthAndListsByValue) {
    config::WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 4, 0x00800000);
    EXPECT_EQ(FormatFieldValue(config, 4), "00800000");
    config.Record.Regs[0].Index = 0x00; // give REG[00h] an entry
    config.Record.Regs[0].Value = 0x007F0000;
    EXPECT_EQ(FormatFieldValue(config, 27), "7F");
    SetFieldValue(config, 33, 3);
    EXPECT_EQ(FormatFieldValue(config, 33), "4:1");
    SetFieldValue(config, 33, 5);
    EXPECT_EQ(FormatFieldValue(config, 33), "<ERROR>");
    EXPECT_EQ(FormatFieldValue(config, 67), "352");
    SetDescriptionText(config, 1, "Board A");
    EXPECT_EQ(FormatFieldValue(config, 1), "Board A");
    EXPECT_EQ(GetFieldValue(config, 1), 7u);
    // Bits-Per-Pixel lists only the depths there are.
    EXPECT_EQ(GetFieldListText(config, 54, 16), "16");
    EXPECT_FALSE(GetFieldListText(config, 54, 3));
}

TEST(FieldValues, DescriptionKeepsAtMost255Characters) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(SetDescriptionText(config, 1, std::string(300, 'x')), 255u);
    EXPECT_EQ(FormatFieldValue(config, 1), std::string(255, 'x'));
    EXPECT_EQ(config.Record.Description[255], '\0');
    EXPECT_EQ(SetDescriptionText(config, 2, "text"), 0u);
    EXPECT_EQ(GetFieldMax(config, 1), 256u);
}

// Every setting can be read, listed, formatted and changed, also with
// values far outside its range, and validation copes with the result.
TEST(FieldValues, EverySettingSurvivesExtremeValues) {
    config::WorkingConfig config(TemplateRecord);
    for (const FIELD_DESC& field : kFieldTable) {
        for (const std::uint32_t value : {0u, 1u, 0xFFFFFFFFu}) {
            SetFieldValue(config, field.Id, value);
            GetFieldValue(config, field.Id);
            EXPECT_FALSE(FormatFieldValue(config, field.Id).empty() && field.Id != 1) << field.Id;
            for (std::uint32_t item = 0; item < 300 && GetFieldListText(config, field.Id, item);
                 ++item) {
            }
        }
    }
    EXPECT_LE(ValidateErrors(config, 4096).size(), 4095u);
    EXPECT_LE(ValidateWarnings(config, 4096).size(), 4095u);
}

TEST(CompositePanelType, GpoPowerPinFollowsTheType) {
    config::WorkingConfig config(TemplateRecord);
    config.Record.Regs[48].Value = 0; // REG[68h] after the delay
    SetFieldValue(config, 24, 1);     // TFT: GPO untouched
    EXPECT_EQ(config.Record.Regs[48].Value, 0u);
    SetFieldValue(config, 24, 4);
    EXPECT_EQ(config.Record.Regs[2].Value, 0u);
    EXPECT_EQ(config.Record.Regs[48].Value, 1u);
}

TEST(Layout, SwivelOffsetsKeepTheUserStartAddress) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{52, 270}, {80, 240}});
    EXPECT_EQ(SwivelOffset(config, Window::Main), 319u * 240u);
    SetFieldValue(config, 79, 0);
    EXPECT_EQ(test::Raw(config, 79), 19140u);
    EXPECT_EQ(GetFieldValue(config, 79), 0u);

    SetFieldValue(config, 52, 90); // ((240 * 8 / 8 + 3) & ~3) - 4
    EXPECT_EQ(SwivelOffset(config, Window::Main), 236u);
    SetFieldValue(config, 52, 180); // 320 + 239 * 240 - 4
    EXPECT_EQ(SwivelOffset(config, Window::Main), 316u + 239u * 240u);
    SetFieldValue(config, 52, 0);
    EXPECT_EQ(SwivelOffset(config, Window::Main), 0u);

    // A saved address survives a change of SwivelView.
    config.SavedMainStart = 1024;
    SetFieldValue(config, 52, 270);
    RecomputeLayout(config);
    EXPECT_EQ(GetFieldValue(config, 79), 1024u);
    EXPECT_EQ(GetFieldValue(config, 83), 0u);
}

} // namespace
} // namespace k7r::regs
