#include "emu/board.h"
#include "emu/icd2061a.h"
#include "emu/panel_picture.h"

#include <gtest/gtest.h>

#include <utility>

namespace k7r::emu {
namespace {

TEST(EmulatedBoard, ProductInformationBusErrorsAndTheMappedWindow) {
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
    // Display memory lives in the window while it is mapped.
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

TEST(EmulatedBoard, FrameClockFollowsTheTimingsAndAccesses) {
    EmulatedBoard board({.powerOnClockHz = 25175000});
    // 352 x 251 pixel clocks per frame, 240 displayed lines, PCLK = CLKI.
    board.Write32(0x08, 0x02);
    board.Write32(0x20, 0x2B);
    board.Write32(0x24, 0x27);
    board.Write32(0x30, 0xFA);
    board.Write32(0x34, 0xEF);
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

// Drives the lines as the chip's GPIO writes do: data first with the clock
// high, clock low, data second, clock high.
struct Line {
    Icd2061a& synth;

    void Bit(bool first, bool second) {
        synth.Drive(true, first);
        synth.Drive(false, first);
        synth.Drive(false, second);
        synth.Drive(true, second);
    }
    // Ones, a (0,0), then the start bit, (0,0) unless it is to be wrong.
    void Unlock(int ones = 5, bool goodStart = true) {
        synth.Drive(false, false);
        synth.Drive(true, true);
        for (int n = 0; n < ones; ++n) {
            Bit(true, true);
        }
        Bit(false, false);
        Bit(false, !goodStart);
    }
    void Data(std::uint32_t word, int bits = 24) {
        for (int b = 0; b < bits; ++b) {
            const bool bit = ((word >> b) & 1) != 0;
            Bit(!bit, bit);
        }
    }
    void Word(std::uint32_t word) {
        Unlock();
        Data(word);
        Bit(true, true);
        synth.Drive(false, false);
    }
};

// Register 3, I 0, P 101, M 3, Q 29: 2 x 14.31818 MHz x 101 / 29 / 8.
constexpr std::uint32_t kWord = 3u << 21 | 0u << 17 | (101u - 3) << 10 | 3u << 7 | (29u - 2);

TEST(Icd2061a, DecodesWordsIntoTheirRegistersAndRecordsProtocolErrors) {
    Icd2061a synth(25175000);
    EXPECT_EQ(synth.OutputHz(3), 25175000u);
    Line line{synth};
    line.Word(kWord);
    line.Word(kWord & ~(3u << 21)); // register 0
    ASSERT_TRUE(synth.Errors().empty()) << synth.Errors().front();
    EXPECT_EQ(synth.Words(), (std::vector<std::uint32_t>{kWord, kWord & ~(3u << 21)}));
    EXPECT_TRUE(synth.Programmed(3).programmed);
    EXPECT_EQ(synth.Programmed(3).word, kWord);
    EXPECT_EQ(synth.OutputHz(3), 14318180u * 101 * 2 / 29 / 8);
    EXPECT_EQ(synth.OutputHz(0), synth.OutputHz(3));
    EXPECT_FALSE(synth.Programmed(1).programmed);
    EXPECT_EQ(synth.OutputHz(1), 25175000u);
    // Each fault is recorded once and ends the word.
    const std::pair<void (*)(Line&), const char*> kCases[] = {
        {[](Line& l) { l.Unlock(4); }, "start bit after only 4 unlock bits"},
        {[](Line& l) {
             l.Unlock();
             l.Data(kWord, 5);
             l.Bit(true, true);
         },
         "data bit 5 sent as (1,1), not complement then true value"},
        {[](Line& l) {
             l.Unlock();
             l.Data(kWord);
             l.Bit(false, true);
         },
         "word 61899Bh not ended by a (1,1) stop bit"},
        {[](Line& l) { l.Word(7u << 21); },
         "word E00000h addresses register 7, which the board does not use"},
        {[](Line& l) { l.Unlock(6, false); }, "unlock sequence not followed by a (0,0) start bit"},
    };
    for (const auto& [send, error] : kCases) {
        Icd2061a synth(0);
        Line line{synth};
        send(line);
        EXPECT_EQ(synth.Errors(), std::vector<std::string>{error});
        EXPECT_FALSE(synth.Programmed(3).programmed);
    }
}

constexpr std::uint32_t kPanelWidth = 32;
constexpr std::uint32_t kPanelHeight = 24;

// An image of W x H pixels laid out in display memory the way the viewer
// draws: lines `stride` bytes apart from byte `offset`, sub-byte pixels from
// the high bits, 16-bit pixels little-endian.
struct Layout {
    std::uint32_t bpp, width, height, stride, offset;
};

std::uint32_t PatternValue(const Layout& l, std::uint32_t x, std::uint32_t y) {
    return l.bpp == 16 ? (x * 2049 + y * 37 + 1) & 0xFFFF
                       : (x * 5 + y * 3 + 1) & ((1u << l.bpp) - 1);
}

void DrawPattern(EmulatedBoard& board, const Layout& l) {
    auto memory = board.DisplayMemory();
    for (std::uint32_t y = 0; y < l.height; ++y) {
        for (std::uint32_t x = 0; x < l.width; ++x) {
            const std::uint32_t v = PatternValue(l, x, y);
            const std::uint32_t bit = (l.offset + y * l.stride) * 8 + x * l.bpp;
            if (l.bpp == 16) {
                memory[bit / 8] = static_cast<std::uint8_t>(v);
                memory[bit / 8 + 1] = static_cast<std::uint8_t>(v >> 8);
            } else {
                const std::uint32_t shift = 8 - l.bpp - bit % 8;
                memory[bit / 8] |= static_cast<std::uint8_t>(v << shift);
            }
        }
    }
}

std::uint32_t LutColour(std::uint32_t index) {
    return index << 16 | (255 - index) << 8 | (index ^ 0x5A);
}

std::uint32_t ExpectedColour(std::uint32_t bpp, std::uint32_t value) {
    if (bpp != 16) {
        return LutColour(value);
    }
    // RGB 5:6:5, each component widened by repeating its top bits.
    const std::uint32_t r = value >> 11, g = (value >> 5) & 0x3F, b = value & 0x1F;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

// Start address in words for an image of the display's width W and height
// H (already turned for 90 and 270 degrees), as the viewer programs it.
std::uint32_t StartWords(std::uint32_t swivel, const Layout& l) {
    const std::uint32_t lastLine = (l.height - 1) * l.stride + l.offset;
    const std::uint32_t byDegrees[] = {l.offset / 4, (l.stride + l.offset) / 4 - 1,
                                       (l.stride + lastLine) / 4 - 1, lastLine / 4};
    return byDegrees[swivel];
}

class PanelPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        board.Write32(0x0C, 0x40); // colour panel
        board.Write32(0x24, kPanelWidth / 8 - 1);
        board.Write32(0x34, kPanelHeight - 1);
        for (std::uint32_t n = 0; n < 256; ++n) {
            board.Write32(0x18, n << 24 | LutColour(n));
        }
    }
    // Programs depth, rotation, doubling, start and stride for an image of
    // the size the panel shows, draws the pattern and returns its layout.
    Layout Show(std::uint32_t bpp, std::uint32_t swivel, std::uint32_t offset,
                std::uint32_t doubling = 0) {
        const bool turned = swivel == 1 || swivel == 3;
        std::uint32_t width = kPanelWidth / ((doubling & 1) + 1);
        std::uint32_t height = kPanelHeight / ((doubling >> 1) + 1);
        if (turned) {
            std::swap(width, height);
        }
        const Layout l{bpp, width, height, (width * bpp / 8 + 3) / 4 * 4, offset};
        board.Write32(0x10, doubling << 24 | swivel << 16 | bpp);
        board.Write32(0x44, l.stride / 4);
        board.Write32(0x40, StartWords(swivel, l));
        DrawPattern(board, l);
        return l;
    }

    EmulatedBoard board;
};

// Doubling repeats pixels along the panel's own axes, which run across a
// turned picture.
TEST_F(PanelPictureTest, EveryDepthRotationAndDoublingShowsTheImageUpright) {
    for (const std::uint32_t bpp : {1u, 2u, 4u, 8u, 16u}) {
        for (std::uint32_t swivel = 0; swivel < 4; ++swivel) {
            for (std::uint32_t doubling = 0; doubling < 4; ++doubling) {
                const std::uint32_t offset = doubling == 0 ? 0x1000 : 0;
                board.PowerOn();
                SetUp();
                const Layout l = Show(bpp, swivel, offset, doubling);
                const Picture picture = RenderPanel(board);
                const bool turned = swivel % 2 == 1;
                ASSERT_EQ(picture.width, turned ? kPanelHeight : kPanelWidth);
                ASSERT_EQ(picture.height, turned ? kPanelWidth : kPanelHeight);
                const std::uint32_t across = ((doubling >> (turned ? 1 : 0)) & 1) + 1;
                const std::uint32_t down = ((doubling >> (turned ? 0 : 1)) & 1) + 1;
                int wrong = 0;
                for (std::uint32_t y = 0; y < picture.height; ++y) {
                    for (std::uint32_t x = 0; x < picture.width; ++x) {
                        wrong += picture.Pixel(x, y) !=
                                 ExpectedColour(bpp, PatternValue(l, x / across, y / down));
                    }
                }
                EXPECT_EQ(wrong, 0) << bpp << " bpp, " << swivel * 90 << " degrees, doubling "
                                    << doubling << ", offset " << offset;
            }
        }
    }
}

// A blanked panel is black (the preview's tests have power save mode); a
// monochrome one shows green as grey.
TEST_F(PanelPictureTest, BlankedAndMonochromePanels) {
    const Layout l = Show(8, 0, 0);
    board.Write32(0x10, 8 | 1u << 23);
    EXPECT_EQ(RenderPanel(board).rgb, std::vector<std::uint8_t>(kPanelWidth * kPanelHeight * 3, 0));
    board.Write32(0x10, 8);
    board.Write32(0x0C, 0x00);
    const std::uint32_t green = (LutColour(PatternValue(l, 3, 4)) >> 8) & 0xFF;
    EXPECT_EQ(RenderPanel(board).Pixel(3, 4), green << 16 | green << 8 | green);
}

} // namespace
} // namespace k7r::emu
