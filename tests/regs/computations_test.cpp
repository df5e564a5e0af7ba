#include "regs/clock_tree.h"
#include "regs/layout.h"
#include "regs/mode_string.h"
#include "regs/pixel_clocks.h"
#include "tests/regs/setting_steps.h"

namespace k7r::regs {
namespace {

using test::kRaw;
using test::RunSteps;
using test::SetAll;

void UseClkI2AsPixelClock(config::WorkingConfig& config, std::uint32_t hz) {
    SetAll(config, {{3, hz}, {34, 3}, {32, 1}});
}

TEST(ClockTree, DividesFromTheInputClocks) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{2, 50000000}, {31, 0}, {12, 2}, {29, 1}, {34, 0}, {32, 4}});
    // The last two: CLKI2 as bus clock ignores the BCLK divide.
    const test::Step steps[] = {{0, 0, 21, 25000000},        {0, 0, 20, 25000000},
                                {0, 0, 19, 6250000},         {0, 0, 23, 0x40000},
                                {3, 33000000, 21, 25000000}, {31, 1, 21, 33000000}};
    RunSteps(config, steps);
    // Computed settings cannot be set.
    EXPECT_TRUE(SetFieldValue(config, 21, 1));
    EXPECT_EQ(GetFieldValue(config, 21), 33000000u);
}

// PWMCLK source 2 is the bus clock, as its name says, also when the memory
// clock differs from it.
TEST(ClockTree, PwmClockFromBclk) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{2, 40000000}, {29, 2}, {114, 2}, {112, 1}});
    // Then PCLK = CLKI2 / 8.
    const test::Step steps[] = {
        {0, 0, 20, 20000000}, {0, 0, 22, 40000000 / 2 / 256}, {114, 3, 22, 50000000 / 8 / 2 / 256}};
    RunSteps(config, steps);
}

TEST(ClockTree, FrameRateIsTruncatedAndStored) {
    config::WorkingConfig config(TemplateRecord);
    UseClkI2AsPixelClock(config, 25175000);
    SetAll(config, {{67, 800}, {73, 525}});
    EXPECT_EQ(StoreFrameRate(config), 59u);
    EXPECT_EQ(config.Record.FrameRate, 59);
}

TEST(Layout, StrideAndMemoryFollowTheImage) {
    config::WorkingConfig config(TemplateRecord);
    RecomputeLayout(config);
    RunSteps(config, {{0, 0, 80, 320}, {0, 0, 11, 76800}, {0, 0, 84, 320}});
    SetFieldValue(config, 52, 90);
    RecomputeLayout(config);
    const ImageSize size = EffectiveImageSize(config);
    EXPECT_EQ(size.width, 240u);
    EXPECT_EQ(size.height, 320u);
    RunSteps(config, {{0, 0, 80, 240}, {0, 0, 11, 76800}});
}

TEST(Layout, OneBitStrideRoundsUpAndDoublingHalvesTheWidth) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{68, 168}, {54, 1}});
    RecomputeLayout(config);
    EXPECT_EQ(GetFieldValue(config, 80), 24u); // whole words
    config::WorkingConfig doubled(TemplateRecord);
    SetFieldValue(doubled, 46, 1);
    RecomputeLayout(doubled);
    RunSteps(doubled, {{0, 0, 80, 160}, {0, 0, 11, 160 * 240}});
}

TEST(Layout, SwivelOffsetsKeepTheUserStartAddress) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{52, 270}, {80, 240}});
    EXPECT_EQ(SwivelOffset(config, Window::Main), 319u * 240u);
    RunSteps(config, {{79, 0, 79, 19140, kRaw}, {0, 0, 79, 0}});

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
    RunSteps(config, {{0, 0, 79, 1024}, {0, 0, 83, 0}});
}

TEST(PixelClocks, ReachableListWithAutomaticDivide) {
    config::WorkingConfig config(TemplateRecord);
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
    config::WorkingConfig config(TemplateRecord);
    UseClkI2AsPixelClock(config, 25000000);
    EXPECT_EQ(MatchPixelClock(config, 6250), 3u);
    EXPECT_EQ(GetFieldValue(config, 33), 3u);
    EXPECT_EQ(MatchPixelClock(config, 33333), 0u);
    RunSteps(config, {{0, 0, 3, 33333000}, {0, 0, 15, 0}, {0, 0, 14, 0}, {0, 0, 33, 0}});
    // A PWM clock running from CLKI2 keeps it.
    SetFieldValue(config, 114, 1);
    EXPECT_FALSE(MatchPixelClock(config, 12000));
    EXPECT_EQ(GetFieldValue(config, 3), 33333000u);
    EXPECT_EQ(FormatPixelClockKhz(6250), " 6.250");
}

TEST(ModeString, DescribesTheMode) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(FormatModeString(config),
              "320x240x8bpp 70Hz Color 8-Bit STN, Format 2 (PCLK=6.250MHz)");
    SetAll(config, {{24, 1}, {68, 640}, {74, 480}, {42, 2}, {10, 60}});
    UseClkI2AsPixelClock(config, 25175000);
    EXPECT_EQ(FormatModeString(config), "640x480x8bpp 60Hz Color 18-Bit TFT (PCLK=25.175MHz)");
    SetAll(config, {{24, 2}, {43, 1}});
    EXPECT_EQ(FormatModeString(config), "320x240x8bpp 60Hz Color 18-Bit HR-TFT (PCLK=25.175MHz)");
}

} // namespace
} // namespace k7r::regs
