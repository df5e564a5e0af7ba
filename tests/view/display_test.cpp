#include "hal/chip_registers.h"
#include "tests/view/view_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace k7r::test {
namespace {

TEST(Display, ModeFromTheRegistersVirtualDisplayAndPanning) {
    Board board(8);
    view::Display& d = board.display;
    board.chip.WriteRegister(hal::reg::kDisplaySettings, 0x03010000); // 90 degrees, both doublings
    EXPECT_EQ(d.GetBitsPerPixel(), 1u) << "depth 0 reads as 1";
    EXPECT_EQ(d.GetSwivelView(), 90u);
    EXPECT_EQ(d.GetPixelDoubling(), 3u);
    EXPECT_EQ(d.GetDisplayWidth(), 240u) << "rotation swaps, doubling is not applied";
    EXPECT_EQ(d.GetDisplayHeight(), 320u);
    board.chip.WriteRegister(hal::reg::kDisplaySettings, 0x03000008);
    EXPECT_EQ(d.GetDisplayWidth(), 160u);
    EXPECT_EQ(d.GetDisplayHeight(), 120u);
    Board virtualBoard(8); // 256 KB
    EXPECT_FALSE(virtualBoard.display.SetVirtualDisplay(640, 480)) << "307,200 bytes do not fit";
    EXPECT_EQ(virtualBoard.display.GetStride(), 320u) << "nothing written";
    EXPECT_TRUE(virtualBoard.display.SetVirtualDisplay(400, 300));
    EXPECT_EQ(virtualBoard.display.GetStride(), 400u);
    EXPECT_TRUE(virtualBoard.display.PanDisplay(1, 16, 8));
    EXPECT_EQ(virtualBoard.chip.ReadRegister(hal::reg::kMainStart), 16u * 8 / 32 + 8 * 400 / 4);
    EXPECT_TRUE(virtualBoard.display.PanDisplay(2, 0, 240));
    EXPECT_FALSE(virtualBoard.display.PanDisplay(2, 0, 241));
    EXPECT_FALSE(virtualBoard.display.PanDisplay(3, 0, 0));
}

// SetBitsPerPixel sets the stride of one panel line and a start address of
// 0 in each SwivelView orientation.
TEST(Display, SetBitsPerPixelSetsStrideAndStartAddress) {
    struct Row {
        std::uint32_t swivelBits, stride, start;
    };
    // 320 x 240 at 8 bpp: line 320 bytes; rotated the line is 240 pixels.
    static const Row kRows[] = {
        {0, 320, 0},
        {1, 240, 240 / 4 - 1},
        {2, 320, (320 + 239 * 320) / 4 - 1},
        {3, 240, (319 * 240) / 4},
    };
    for (const Row& row : kRows) {
        Board board(8);
        board.chip.WriteRegister(hal::reg::kDisplaySettings, row.swivelBits << 16);
        board.display.SetBitsPerPixel(8);
        EXPECT_EQ(board.display.GetStride(), row.stride);
        EXPECT_EQ(board.chip.ReadRegister(hal::reg::kMainStart), row.start);
        EXPECT_EQ(board.chip.ReadRegister(hal::reg::kDisplaySettings), (row.swivelBits << 16) | 8);
    }
    Board odd(4, 328, 240);
    odd.display.SetBitsPerPixel(4);
    EXPECT_EQ(odd.display.GetStride(), 164u) << "164 is already a multiple of 4";
    Board halved(16, 328, 240);
    halved.chip.WriteRegister(hal::reg::kDisplaySettings, 0x01000000);
    halved.display.SetBitsPerPixel(16);
    EXPECT_EQ(halved.display.GetStride(), 328u) << "164 pixels of 2 bytes";
}

// Whole words are copied, the rest of the last word keeps the display's
// bytes; rows are clipped at the limit and at the end of memory.
TEST(Display, PutRowCopiesClipsAndKeepsNeighbours) {
    Board board(8, 320, 240, 4096);
    auto& memory = board.chip.Memory();
    std::fill(memory.begin(), memory.end(), 0xEE);
    std::vector<std::uint8_t> row = {1, 2, 3, 4, 5, 6, 7};
    board.display.PutRow(row, 7, 2, 1, 16, 16, 8);
    EXPECT_EQ(std::vector<std::uint8_t>(memory.begin() + 16, memory.begin() + 28),
              (std::vector<std::uint8_t>{0xEE, 0xEE, 1, 2, 3, 4, 5, 6, 7, 0xEE, 0xEE, 0xEE}));
    board.display.PutRow(row, 7, 12, 3, 16, 16, 8);
    EXPECT_EQ(std::vector<std::uint8_t>(memory.begin() + 60, memory.begin() + 65),
              (std::vector<std::uint8_t>{1, 2, 3, 4, 0xEE}))
        << "clipped at the limit";
    std::vector<std::uint8_t> before = memory;
    board.display.PutRow(row, 7, 16, 0, 16, 16, 8);
    EXPECT_EQ(memory, before) << "x at the limit draws nothing";
    board.display.PutRow(row, 7, 4092, 0, 8192, 8192, 8);
    EXPECT_EQ(memory[4095], 4);
    EXPECT_EQ(board.chip.StrayAccesses(), 0) << "the word past the end is not written";
    // At 4 bpp an odd last pixel is the high nibble of its byte.
    std::vector<std::uint8_t> nibbles = {0x12, 0x30};
    board.display.PutRow(nibbles, 3, 0, 10, 8, 8, 4);
    EXPECT_EQ(memory[40], 0x12);
    EXPECT_EQ(memory[41], 0x3E);
    EXPECT_EQ(memory[42], 0xEE);
}

TEST(Palettes, FixedTablesAndTheNearestColour) {
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
    // The search must give exactly what a full scan gives, ties to the lowest
    // index included: on palettes full of duplicates and equal distances, and on
    // one of arbitrary colours, for colours anywhere in their blocks.
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
