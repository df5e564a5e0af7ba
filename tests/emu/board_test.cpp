#include "emu/board.h"

#include <gtest/gtest.h>

namespace k7r::emu {
namespace {

// 352 x 251 pixel clocks per frame, 240 displayed lines, PCLK = CLKI.
void SetTiming(EmulatedBoard& board) {
    board.Write32(0x08, 0x02);
    board.Write32(0x20, 0x2B);
    board.Write32(0x24, 0x27);
    board.Write32(0x30, 0xFA);
    board.Write32(0x34, 0xEF);
}

TEST(EmulatedBoard, ProductInformationIsReadOnlyAndWrongWidthsAreBusErrors) {
    EmulatedBoard board({.configPins = 0x40});
    const std::uint32_t info = board.Read32(0x00);
    EXPECT_EQ((info >> 8) & 0xFF, 0x40u);
    EXPECT_EQ(info >> 26, EmulatedBoard::kProductCode);
    board.Write32(0x00, 0);
    EXPECT_EQ(board.Read32(0x00), info);
    board.Write32(0x4000, 1);
    board.Read16(0x0010);
    ASSERT_EQ(board.BusErrors().size(), 2u);
    EXPECT_EQ(board.BusErrors()[1],
              "16-bit read of a 32-bit register: 16-bit access at register offset 10h");
}

TEST(EmulatedBoard, FrameClockFollowsTheTimingsAndAccesses) {
    EmulatedBoard board({.powerOnClockHz = 25175000});
    SetTiming(board);
    // 88,352 clocks per frame at 25.175 MHz: 3,509.5 us, 3,509.5 accesses.
    // The writes ran through frames of the power-on timing.
    const std::uint64_t start = board.FramesCompleted();
    int nonDisplayReads = 0;
    constexpr int kReads = 35095;
    for (int n = 0; n < kReads; ++n) {
        nonDisplayReads += (board.Read32(0x14) & 0x80) != 0;
    }
    EXPECT_NEAR(static_cast<double>(board.FramesCompleted() - start), 10.0, 1.0);
    EXPECT_NEAR(nonDisplayReads, kReads * 11 / 251, kReads / 251);

    // The pixel clock halved from the next access on: half the frames.
    board.Write32(0x08, 0x12);
    const std::uint64_t before = board.FramesCompleted();
    for (int n = 0; n < kReads; ++n) {
        board.Read32(0x14);
    }
    EXPECT_NEAR(static_cast<double>(board.FramesCompleted() - before), 5.0, 1.0);
}

TEST(EmulatedBoard, DisplayMemoryLivesInTheWindowWhileMapped) {
    EmulatedBoard board;
    board.DisplayMemory()[7] = 0x77;
    EXPECT_FALSE(board.Locate(1).has_value());
    const auto window = board.Locate(0);
    ASSERT_TRUE(window.has_value());
    EXPECT_FALSE(board.Map(0x10000000, 0x400000).has_value()); // one mapping at a time
    auto* memory = reinterpret_cast<std::uint8_t*>(*window + 0x200000);
    EXPECT_EQ(memory[7], 0x77);
    memory[8] = 0x88;
    EXPECT_EQ(board.BusRead32(*window + 0x00), board.Peek32(0x00));
    EXPECT_FALSE(board.Unmap(*window + 4));
    EXPECT_TRUE(board.Unmap(*window));
    EXPECT_EQ(board.DisplayMemory()[8], 0x88);
}

// Memory stores bypass the bus; one into the window where the board has
// nothing shows as a bus error once the window is given back, before and
// after display memory alike, and is gone from the next window.
TEST(EmulatedBoard, StoresOutsideDisplayMemoryAreBusErrors) {
    for (const std::uint32_t offset : {0x100000u, 0x200000u + EmulatedBoard::kDisplayMemorySize}) {
        EmulatedBoard board;
        auto window = board.Locate(0);
        ASSERT_TRUE(window.has_value());
        auto* bytes = reinterpret_cast<std::uint8_t*>(*window);
        EXPECT_EQ(bytes[offset], 0); // nothing decodes there
        bytes[0x200000] = 0x11;
        bytes[0x200000 + EmulatedBoard::kDisplayMemorySize - 1] = 0x22;
        bytes[offset] = 0x5A;
        ASSERT_TRUE(board.Unmap(*window));
        ASSERT_EQ(board.BusErrors().size(), 1u);
        EXPECT_NE(board.BusErrors()[0].find("store outside display memory"), std::string::npos);
        EXPECT_EQ(board.DisplayMemory()[0], 0x11);

        window = board.Locate(0);
        ASSERT_TRUE(window.has_value());
        EXPECT_EQ(reinterpret_cast<std::uint8_t*>(*window)[offset], 0);
        ASSERT_TRUE(board.Unmap(*window));
        EXPECT_EQ(board.BusErrors().size(), 1u);
    }
}

} // namespace
} // namespace k7r::emu
