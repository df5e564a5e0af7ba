#include "regs/panel_type.h"
#include "tests/regs/setting_steps.h"

#include <iterator>
#include <tuple>

namespace k7r::regs {
namespace {

using test::kRaw;

TEST(CompositePanelType, RoundTripsThroughTheTwoRegisterFields) {
    config::WorkingConfig config(TemplateRecord);
    // The reserved basic value (44 = 2) reads as HR-TFT too.
    const test::Step steps[] = {{24, 5, 82, 2, kRaw}, {0, 0, 24, 5},        {24, 7, 82, 4, kRaw},
                                {0, 0, 24, 7},        {24, 2, 44, 3, kRaw}, {0, 0, 82, 0, kRaw},
                                {0, 0, 24, 2},        {24, 1, 24, 1},       {24, 3, 44, 3, kRaw},
                                {0, 0, 82, 0, kRaw},  {0, 0, 24, 2},        {44, 2, 24, 2}};
    test::RunSteps(config, steps);
}

// The list is indexed by value, so each name selects the type it names and
// the value read back carries the same name.
TEST(CompositePanelType, NamesPairWithValues) {
    config::WorkingConfig config(TemplateRecord);
    const char* const names[] = {"STN",        "TFT",        "HR-TFT",     "HR-TFT",
                                 "TFT Type 2", "TFT Type 3", "TFT Type 4", "Casio TFT"};
    for (std::uint32_t value = 0; value < 8; ++value) {
        EXPECT_EQ(GetFieldListText(config, 24, value), names[value]);
        SetFieldValue(config, 24, value);
        EXPECT_EQ(FormatFieldValue(config, 24), names[value]) << value;
    }
    EXPECT_FALSE(GetFieldListText(config, 24, 8));
    SetFieldValue(config, 24, 4);
    EXPECT_EQ(FormatFieldValue(config, 82), "TFT Type 2");
}

// The HR-TFT interface holds the clock chip's pins: the flag stays set
// through a composite change to HR-TFT, and an extended type clears it.
TEST(CompositePanelType, HrTftFlagFollowsTheEffectiveType) {
    config::WorkingConfig config(TemplateRecord);
    // Setting, value, whether the flag is set after it; 82 = 0 is the basic type.
    const std::tuple<std::uint32_t, std::uint32_t, bool> steps[] = {
        {24, 2, true}, {24, 6, false}, {82, 0, true}, {24, 1, false}, {82, 0, false}};
    for (const auto& [id, value, inUse] : steps) {
        SetFieldValue(config, id, value);
        EXPECT_EQ((config.Record.Flags & fHRTFT_INUSE) != 0, inUse) << id << " = " << value;
    }
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

} // namespace
} // namespace k7r::regs
