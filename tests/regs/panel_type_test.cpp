#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/field_table.h"
#include "regs/panel_power.h"
#include "regs/settings_engine.h"

#include <gtest/gtest.h>

namespace k7r {
namespace {

std::uint32_t Raw(WorkingConfig& config, std::uint32_t id) {
    return ReadFieldBits(config, FindField(id));
}

bool HrTftInUse(const WorkingConfig& config) {
    return (config.Record.Flags & fHRTFT_INUSE) != 0;
}

TEST(CompositePanelType, RoundTripsThroughTheTwoRegisterFields) {
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 24, 5);
    EXPECT_EQ(Raw(config, 82), 2u);
    EXPECT_EQ(GetFieldValue(config, 24), 5u);
    SetFieldValue(config, 24, 7);
    EXPECT_EQ(Raw(config, 82), 4u);
    EXPECT_EQ(GetFieldValue(config, 24), 7u);
    SetFieldValue(config, 24, 2);
    EXPECT_EQ(Raw(config, 44), 3u);
    EXPECT_EQ(Raw(config, 82), 0u);
    EXPECT_EQ(GetFieldValue(config, 24), 2u);
    SetFieldValue(config, 24, 1);
    SetFieldValue(config, 24, 3);
    EXPECT_EQ(Raw(config, 44), 3u);
    EXPECT_EQ(Raw(config, 82), 0u);
    EXPECT_EQ(GetFieldValue(config, 24), 2u);
    // The reserved basic value reads as HR-TFT too.
    SetFieldValue(config, 44, 2);
    EXPECT_EQ(GetFieldValue(config, 24), 2u);
}

// The list is indexed by value, so each name selects the type it names and
// the value read back carries the same name.
TEST(CompositePanelType, NamesPairWithValues) {
    WorkingConfig config(TemplateRecord);
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
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 24, 2);
    EXPECT_TRUE(HrTftInUse(config));
    SetFieldValue(config, 24, 6);
    EXPECT_FALSE(HrTftInUse(config));
    SetFieldValue(config, 82, 0); // back to the basic HR-TFT type
    EXPECT_TRUE(HrTftInUse(config));
    SetFieldValue(config, 24, 1);
    EXPECT_FALSE(HrTftInUse(config));
    SetFieldValue(config, 82, 0);
    EXPECT_FALSE(HrTftInUse(config));
}

TEST(CompositePanelType, PowerPinFamily) {
    EXPECT_TRUE(PanelUsesGpio(0));
    EXPECT_FALSE(PanelUsesGpio(1));
    for (std::uint32_t type = 2; type <= 6; ++type) {
        EXPECT_TRUE(PanelUsesGpio(type)) << type;
    }
    EXPECT_FALSE(PanelUsesGpio(7));
    EXPECT_FALSE(PanelUsesGpio(8));
}

TEST(CompositePanelType, GpoPowerPinFollowsTheType) {
    WorkingConfig config(TemplateRecord);
    config.Record.Regs[48].Value = 0; // REG[68h] after the delay
    SetFieldValue(config, 24, 1);     // TFT: GPO untouched
    EXPECT_EQ(config.Record.Regs[48].Value, 0u);
    SetFieldValue(config, 24, 4);
    EXPECT_EQ(config.Record.Regs[2].Value, 0u);
    EXPECT_EQ(config.Record.Regs[48].Value, 1u);
}

} // namespace
} // namespace k7r
