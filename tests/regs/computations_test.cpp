#include "regs/clock_tree.h"
#include "regs/layout.h"
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

} // namespace
} // namespace k7r::regs
