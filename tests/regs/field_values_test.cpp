#include "regs/validation.h"
#include "tests/regs/setting_steps.h"

#include <vector>

namespace k7r::regs {
namespace {

using test::kRaw;
using test::RunSteps;

std::vector<std::string> ListOf(config::WorkingConfig& config, std::uint32_t id) {
    std::vector<std::string> texts;
    for (std::uint32_t item = 0;; ++item) {
        const auto text = GetFieldListText(config, id, item);
        if (!text) {
            return texts;
        }
        texts.push_back(*text);
    }
}

TEST(FieldValues, ConvertedValuesAreClampedToTheField) {
    config::WorkingConfig config(TemplateRecord);
    RunSteps(config,
             {{67, 801, 67, 99, kRaw}, {0, 0, 67, 800}, {29, 9, 29, 3, kRaw}, {0, 0, 29, 4}});
}

TEST(FieldValues, ValuesBelowTheMinimumWrapToTheMaximum) {
    config::WorkingConfig config(TemplateRecord);
    RunSteps(config, {{29, 0, 29, 4}, {67, 7, 67, 1024}});
    EXPECT_EQ(GetFieldMin(config, 67), 8u);
    EXPECT_EQ(GetFieldMax(config, 67), 1024u);
}

TEST(FieldValues, PclkDivideKnowsOnlyOneTwoThreeFourAndEight) {
    config::WorkingConfig config(TemplateRecord);
    const test::Step steps[] = {{32, 8, 32, 4, kRaw}, {0, 0, 32, 8},  {32, 6, 32, 0, kRaw},
                                {0, 0, 32, 1},        {33, 4, 32, 8}, {33, 5, 32, 8},
                                {33, 6, 32, 8},       {33, 7, 32, 8}};
    RunSteps(config, steps);
}

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
}

TEST(FieldValues, DescriptionKeepsAtMost255Characters) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(SetDescriptionText(config, 1, std::string(300, 'x')), 255u);
    EXPECT_EQ(FormatFieldValue(config, 1), std::string(255, 'x'));
    EXPECT_EQ(config.Record.Description[255], '\0');
    EXPECT_EQ(SetDescriptionText(config, 2, "text"), 0u);
    EXPECT_EQ(GetFieldMax(config, 1), 256u);
}

TEST(FieldValues, RecordFlagsAreStoredInverted) {
    config::WorkingConfig config(TemplateRecord);
    RunSteps(config, {{0, 0, 14, 0}, {0, 0, 15, 1}}); // fFIXED_DIVMCLK set
    SetFieldValue(config, 15, 0);
    SetFieldValue(config, 18, 0);
    EXPECT_EQ(config.Record.Flags,
              static_cast<HAL_U32>(fFIXED_DIVMCLK | fFIXED_DIVPCLK | fFIXED_STRIDE));
    RunSteps(config, {{12, 2, 13, 1}, {13, 0, 12, 1}});
}

TEST(FieldValues, UsbAndClockChipReserveTheirGpioPins) {
    config::WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 24, 1); // TFT: panel power through a GPIO pin
    SetFieldValue(config, 17, 0);
    EXPECT_EQ(config.Record.Regs[1].Value, 0x08070000u);  // before the delay: power low
    EXPECT_EQ(config.Record.Regs[49].Value, 0x08070001u); // after it: GPIO0 on
    SetFieldValue(config, 17, 1);
    EXPECT_EQ(config.Record.Regs[49].Value, 0x28D70001u);
    SetFieldValue(config, 24, 0); // STN drives GPIO[3:0] itself
    EXPECT_EQ(config.Record.Regs[1].Value, 0x20DF0000u);
    EXPECT_EQ(config.Record.Regs[49].Value, 0x20DF0000u);
}

TEST(FieldValues, StartBiasFollowsThePanelType) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(GetFieldMin(config, 69), 22u);
    const test::Step steps[] = {{0, 0, 69, 0, kRaw},
                                {0, 0, 69, 22},
                                {24, 1, 69, 5},
                                {24, 5, 69, 0},
                                {69, 40, 69, 40, kRaw}};
    RunSteps(config, steps);
    EXPECT_EQ(GetFieldMin(config, 68), 8u);
    SetFieldValue(config, 24, 0);
    EXPECT_EQ(GetFieldMin(config, 68), 32u);
}

TEST(FieldValues, PairedFieldsConvertThroughTheirRawTwin) {
    config::WorkingConfig config(TemplateRecord);
    const test::Step steps[] = {{0, 0, 41, 8},    {24, 1, 41, 12},  {41, 18, 42, 2},
                                {52, 270, 53, 3}, {52, 45, 52, 0},  {111, 1000, 112, 9},
                                {0, 0, 111, 512}, {111, 1, 112, 0}, {80, 321, 80, 324}};
    RunSteps(config, steps);
    EXPECT_EQ(ListOf(config, 42), (std::vector<std::string>{"9-Bit", "12-Bit", "18-Bit"}));
}

TEST(ValueLists, ListsThatDependOnOtherSettings) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(ListOf(config, 107), (std::vector<std::string>{"Disabled", "Enabled"}));
    SetFieldValue(config, 82, 2);
    EXPECT_EQ(ListOf(config, 107), (std::vector<std::string>{"No Effect", "No Effect"}));
    EXPECT_EQ(ListOf(config, 108), (std::vector<std::string>{"1", "Enabled"}));
    EXPECT_EQ(ListOf(config, 105), (std::vector<std::string>{"Active Low", "Active High"}));
    SetFieldValue(config, 82, 1);
    EXPECT_EQ(ListOf(config, 110), (std::vector<std::string>{"No Effect", "No Effect"}));
    EXPECT_EQ(ListOf(config, 105), (std::vector<std::string>{"Forced Low", "Enabled"}));

    EXPECT_EQ(ListOf(config, 112).size(), 16u);
    EXPECT_EQ(ListOf(config, 112).back(), "32768:1");
    EXPECT_EQ(ListOf(config, 144).front(), "2:1");
    EXPECT_EQ(ListOf(config, 116).size(), 256u);
    EXPECT_TRUE(ListOf(config, 54).empty());
    EXPECT_EQ(GetFieldListText(config, 54, 16), "16");
    EXPECT_FALSE(GetFieldListText(config, 54, 3));
    EXPECT_EQ(ListOf(config, 58), (std::vector<std::string>{"Reserved as 0"}));
    EXPECT_FALSE(GetFieldListText(config, 19, 0));
}

TEST(ValueLists, RasterOperationNamesFollowTheBitbltOperation) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(GetFieldListText(config, 177, 12), "0C S");
    EXPECT_EQ(ListOf(config, 177).size(), 16u);
    SetFieldValue(config, 178, 6);
    EXPECT_EQ(GetFieldListText(config, 177, 12), "0C P");
    EXPECT_EQ(GetFieldListText(config, 177, 6), "06 P ^ D");
    SetFieldValue(config, 178, 9);
    EXPECT_EQ(GetFieldListText(config, 177, 13), "0D Start Bit 5");
    SetFieldValue(config, 178, 12);
    EXPECT_EQ(GetFieldListText(config, 177, 10), "0A n/a");
    EXPECT_EQ(ListOf(config, 178).size(), 13u);
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

} // namespace
} // namespace k7r::regs
