#include "emu/panel_picture.h"

#include <gtest/gtest.h>

#include <utility>

namespace k7r::emu {
namespace {

constexpr std::uint32_t kPanelWidth = 32;
constexpr std::uint32_t kPanelHeight = 24;

// An image of W x H pixels laid out in display memory the way the viewer
// draws: lines `stride` bytes apart from byte `offset`, sub-byte pixels from
// the high bits, 16-bit pixels little-endian.
struct Layout {
    std::uint32_t bpp, width, height, stride, offset;
};

std::uint32_t PatternValue(const Layout& l, std::uint32_t x, std::uint32_t y) {
    if (l.bpp == 16) {
        return (x * 2049 + y * 37 + 1) & 0xFFFF;
    }
    return (x * 5 + y * 3 + 1) & ((1u << l.bpp) - 1);
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
