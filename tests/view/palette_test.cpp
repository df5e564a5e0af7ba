#include "tests/view/view_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace k7r::test {
namespace {

TEST(Palettes, FixedTablesHoldTheirColours) {
    EXPECT_EQ(Packed(view::FixedPalette16()[1]), 0x0000A0u);
    EXPECT_EQ(Packed(view::FixedPalette16()[15]), 0xF0F0F0u);
    const view::Palette& deep = view::DeepColourPalette();
    EXPECT_EQ(Packed(deep[1]), 0x090909u);
    EXPECT_EQ(Packed(deep[30]), 0xFFFFFFu);
    EXPECT_EQ(Packed(deep[31]), 0x000000u);
    EXPECT_EQ(Packed(deep[32]), 0x000033u) << "blue varies fastest";
    EXPECT_EQ(Packed(deep[31 + 36]), 0x330000u) << "red slowest";
    EXPECT_EQ(Packed(deep[247]), 0u);
    EXPECT_EQ(Packed(view::GreyRamp()[200]), 0xC8C8C8u);
}

// The search must give exactly what a full scan gives, ties to the lowest
// index included: on palettes full of duplicates and equal distances, and on
// one of arbitrary colours, for colours anywhere in their blocks.
TEST(NearestColour, AgreesWithAFullScan) {
    std::mt19937 random(1);
    auto any = [&] { return static_cast<std::uint8_t>(random()); };
    auto coarse = [&] { return static_cast<std::uint8_t>(random() % 8 * 32); };
    for (int round = 0; round < 6; ++round) {
        view::Palette palette{};
        for (view::Rgb& entry : palette) {
            entry = round == 0 ? view::Rgb{any(), any(), any()}
                               : view::Rgb{coarse(), coarse(), coarse()};
        }
        for (std::uint32_t bpp : {4u, 8u}) {
            view::NearestColour nearest(palette, bpp);
            for (int i = 0; i < 4000; ++i) {
                view::Rgb c{any(), any(),
                            i % 2 ? any() : static_cast<std::uint8_t>(random() % 4 * 16)};
                ASSERT_EQ(nearest(c), ScanNearest(palette, bpp == 4 ? 16 : 256, c));
                ASSERT_EQ(nearest(c), ScanNearest(palette, bpp == 4 ? 16 : 256, c)) << "cached";
            }
        }
    }
    view::Palette ties{};
    ties[3] = {10, 0, 0};
    ties[5] = {0, 10, 0};
    ties[0] = {200, 200, 200};
    view::NearestColour nearest(ties, 8);
    EXPECT_EQ(nearest({5, 5, 0}), 1) << "entry 1 is black, as near as 3 and 5";
}

} // namespace
} // namespace k7r::test
