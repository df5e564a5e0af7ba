#include "regs/clock_tree.h"
#include "regs/layout.h"
#include "regs/mode_string.h"
#include "regs/pixel_clocks.h"
#include "tests/regs/setting_steps.h"

namespace k7r::regs {
namespace {

using test::Values;
using Ids = std::vector<std::uint32_t>;
using test::SetAll;

void UseClkI2AsPixelClock(config::WorkingConfig& config, std::uint32_t hz) {
    SetAll(config, {{3, hz}, {34, 3}, {32, 1}});
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
    EXPECT_EQ(Values(config, {80, 11, 84}), (Ids{320, 76800, 320}));
    SetFieldValue(config, 52, 90);
    RecomputeLayout(config);
    const ImageSize size = EffectiveImageSize(config);
    EXPECT_EQ(size.width, 240u);
    EXPECT_EQ(size.height, 320u);
    EXPECT_EQ(Values(config, {80, 11}), (Ids{240, 76800}));
}

TEST(Layout, OneBitStrideRoundsUpAndDoublingHalvesTheWidth) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{68, 168}, {54, 1}});
    RecomputeLayout(config);
    EXPECT_EQ(GetFieldValue(config, 80), 24u); // whole words
    config::WorkingConfig doubled(TemplateRecord);
    SetFieldValue(doubled, 46, 1);
    RecomputeLayout(doubled);
    EXPECT_EQ(Values(doubled, {80, 11}), (Ids{160, 160 * 240}));
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
    EXPECT_EQ(Values(config, {79, 83}), (Ids{1024, 0}));
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
    EXPECT_EQ(Values(config, {3, 15, 14, 33}), (Ids{33333000, 0, 0, 0}));
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
