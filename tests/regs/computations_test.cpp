#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/computations.h"
#include "regs/field_table.h"
#include "regs/settings_engine.h"

#include <gtest/gtest.h>

namespace k7r {
namespace {

std::uint32_t Raw(WorkingConfig& config, std::uint32_t id) {
    return ReadFieldBits(config, FindField(id));
}

void UseClkI2AsPixelClock(WorkingConfig& config, std::uint32_t hz) {
    SetFieldValue(config, 3, hz);
    SetFieldValue(config, 34, 3);
    SetFieldValue(config, 32, 1);
}

TEST(ClockTree, DividesFromTheInputClocks) {
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 2, 50000000);
    SetFieldValue(config, 31, 0);
    SetFieldValue(config, 12, 2);
    SetFieldValue(config, 29, 1);
    SetFieldValue(config, 34, 0);
    SetFieldValue(config, 32, 4);
    EXPECT_EQ(GetFieldValue(config, 21), 25000000u);
    EXPECT_EQ(GetFieldValue(config, 20), 25000000u);
    EXPECT_EQ(GetFieldValue(config, 19), 6250000u);
    EXPECT_EQ(GetFieldValue(config, 23), 0x40000u);
    // CLKI2 as bus clock ignores the BCLK divide.
    SetFieldValue(config, 3, 33000000);
    SetFieldValue(config, 31, 1);
    EXPECT_EQ(GetFieldValue(config, 21), 33000000u);
    // Computed settings cannot be set.
    EXPECT_TRUE(SetFieldValue(config, 21, 1));
    EXPECT_EQ(GetFieldValue(config, 21), 33000000u);
}

// PWMCLK source 2 is the bus clock, as its name says, also when the memory
// clock differs from it.
TEST(ClockTree, PwmClockFromBclk) {
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 2, 40000000);
    SetFieldValue(config, 29, 2);
    SetFieldValue(config, 114, 2);
    SetFieldValue(config, 112, 1);
    EXPECT_EQ(GetFieldValue(config, 20), 20000000u);
    EXPECT_EQ(GetFieldValue(config, 22), 40000000u / 2 / 256);
    SetFieldValue(config, 114, 3); // PCLK = CLKI2 / 8
    EXPECT_EQ(GetFieldValue(config, 22), 50000000u / 8 / 2 / 256);
}

TEST(ClockTree, FrameRateIsTruncatedAndStored) {
    WorkingConfig config(TemplateRecord);
    UseClkI2AsPixelClock(config, 25175000);
    SetFieldValue(config, 67, 800);
    SetFieldValue(config, 73, 525);
    EXPECT_EQ(StoreFrameRate(config), 59u);
    EXPECT_EQ(config.Record.FrameRate, 59);
}

TEST(Layout, StrideAndMemoryFollowTheImage) {
    WorkingConfig config(TemplateRecord);
    RecomputeLayout(config);
    EXPECT_EQ(GetFieldValue(config, 80), 320u);
    EXPECT_EQ(GetFieldValue(config, 11), 76800u);
    EXPECT_EQ(GetFieldValue(config, 84), 320u);
    SetFieldValue(config, 52, 90);
    RecomputeLayout(config);
    const ImageSize size = EffectiveImageSize(config);
    EXPECT_EQ(size.width, 240u);
    EXPECT_EQ(size.height, 320u);
    EXPECT_EQ(GetFieldValue(config, 80), 240u);
    EXPECT_EQ(GetFieldValue(config, 11), 76800u);
}

TEST(Layout, OneBitStrideRoundsUpToWholeWords) {
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 68, 168);
    SetFieldValue(config, 54, 1);
    RecomputeLayout(config);
    EXPECT_EQ(GetFieldValue(config, 80), 24u);
}

TEST(Layout, HorizontalDoublingHalvesTheWidth) {
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 46, 1);
    RecomputeLayout(config);
    EXPECT_EQ(GetFieldValue(config, 80), 160u);
    EXPECT_EQ(GetFieldValue(config, 11), 160u * 240u);
}

TEST(Layout, SwivelOffsetsKeepTheUserStartAddress) {
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 52, 270);
    SetFieldValue(config, 80, 240);
    EXPECT_EQ(SwivelOffset(config, Window::Main), 319u * 240u);
    SetFieldValue(config, 79, 0);
    EXPECT_EQ(Raw(config, 79), 19140u);
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

TEST(PixelClocks, ReachableListWithAutomaticDivide) {
    WorkingConfig config(TemplateRecord);
    UseClkI2AsPixelClock(config, 25000000);
    SetFieldValue(config, 32, 8);
    const PixelClockList list = ReachablePixelClocks(config);
    ASSERT_EQ(list.lines.size(), 5u);
    EXPECT_EQ(list.lines.front(), "25.000   (25.000/1)");
    EXPECT_EQ(list.lines[2], " 8.333   (25.000/3)");
    EXPECT_EQ(list.lines.back(), " 3.125   (25.000/8)");
    EXPECT_EQ(list.selected, 4u);
    SetFieldValue(config, 15, 0);
    EXPECT_EQ(ReachablePixelClocks(config).lines,
              (std::vector<std::string>{" 3.125   (25.000/8)"}));
}

TEST(PixelClocks, MatchStoresTheDivideOrMovesClkI2) {
    WorkingConfig config(TemplateRecord);
    UseClkI2AsPixelClock(config, 25000000);
    EXPECT_EQ(MatchPixelClock(config, 6250), 3u);
    EXPECT_EQ(GetFieldValue(config, 33), 3u);
    EXPECT_EQ(MatchPixelClock(config, 33333), 0u);
    EXPECT_EQ(GetFieldValue(config, 3), 33333000u);
    EXPECT_EQ(GetFieldValue(config, 15), 0u);
    EXPECT_EQ(GetFieldValue(config, 14), 0u);
    EXPECT_EQ(GetFieldValue(config, 33), 0u);
    // A PWM clock running from CLKI2 keeps it.
    SetFieldValue(config, 114, 1);
    EXPECT_FALSE(MatchPixelClock(config, 12000));
    EXPECT_EQ(GetFieldValue(config, 3), 33333000u);
    EXPECT_EQ(FormatPixelClockKhz(6250), " 6.250");
}

TEST(ModeString, DescribesTheMode) {
    WorkingConfig config(TemplateRecord);
    SetFieldValue(config, 24, 1);
    SetFieldValue(config, 68, 640);
    SetFieldValue(config, 74, 480);
    SetFieldValue(config, 42, 2);
    SetFieldValue(config, 10, 60);
    UseClkI2AsPixelClock(config, 25175000);
    EXPECT_EQ(FormatModeString(config), "640x480x8bpp 60Hz Color 18-Bit TFT (PCLK=25.175MHz)");
    SetFieldValue(config, 24, 2);
    SetFieldValue(config, 43, 1);
    EXPECT_EQ(FormatModeString(config), "320x240x8bpp 60Hz Color 18-Bit HR-TFT (PCLK=25.175MHz)");
}

TEST(ModeString, ColourStnWithEightBitsNamesTheFormat) {
    WorkingConfig config(TemplateRecord);
    EXPECT_EQ(FormatModeString(config),
              "320x240x8bpp 70Hz Color 8-Bit STN, Format 2 (PCLK=6.250MHz)");
}

} // namespace
} // namespace k7r
