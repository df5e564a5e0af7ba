// The decoders through the chip access layer on the board emulator: what the
// emulated panel shows, pixel for pixel, against the reference decodes.
#include "config/default_records.h"
#include "emu/emulated_driver.h"
#include "emu/panel_picture.h"
#include "hal/hal.h"
#include "hal/init.h"
#include "tests/view/view_test_support.h"
#include "view/hal_bus.h"
#include "view/show_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace k7r::test {
namespace {

// The emulator widens RGB565 back to 8 bits by repeating the top bits.
std::uint32_t Widened565(Rgb c) {
    std::uint32_t r = c.r >> 3, g = c.g >> 2, b = c.b >> 3;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

std::uint32_t Expected(const DecodeCase& c, Rgb reference) {
    return c.bpp == 16 ? Widened565(reference) : ExpectedIndexed(c.rule, reference);
}

class EmulatedPanel : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        putenv(const_cast<char*>("K7R58_EMULATOR=1"));
        hal::UseRecord(ViewerRecord);
    }

    // The viewer's start-up at the record's mode, then the panel depth.
    emu::Picture Show(const char* image, std::uint32_t bpp, std::string& out) {
        EXPECT_TRUE(hal::AcquireChip());
        EXPECT_TRUE(hal::InitializeChip(0));
        HalBus bus;
        Display display(bus);
        display.SetBitsPerPixel(bpp);
        std::ostringstream messages;
        ShownImage shown = ShowImage(display, Sample(image), messages);
        out = messages.str();
        EXPECT_EQ(shown.status, 0) << out;
        return emu::RenderPanel(emu::TheBoard());
    }
};

TEST_F(EmulatedPanel, EveryDecoderAtEveryDepth) {
    static const DecodeCase kCases[] = {
        {"bmp24.bmp", "bmp24.rgb", 16, Rule::Exact},
        {"bmp24.bmp", "bmp24.rgb", 8, Rule::NearestDeep},
        {"bmp24.bmp", "bmp24.rgb", 4, Rule::NearestFixed16},
        {"bmp8.bmp", "bmp8.rgb", 8, Rule::Exact},
        {"bmp8rle.bmp", "bmp8rle.rgb", 4, Rule::NearestFixed16},
        {"bmp4.bmp", "bmp4.rgb", 4, Rule::Exact},
        {"bmp4.bmp", "bmp4.rgb", 16, Rule::Exact},
        {"gif8.gif", "gif8.rgb", 8, Rule::Exact},
        {"colour.jpg", "colour.rgb", 16, Rule::Exact},
        {"colour.jpg", "colour256.rgb", 8, Rule::Exact},
        {"colour.jpg", "colour16.rgb", 4, Rule::Exact},
        {"grey.jpg", "grey.rgb", 8, Rule::Exact},
    };
    for (const DecodeCase& c : kCases) {
        std::string out;
        emu::Picture picture = Show(c.image, c.bpp, out);
        ASSERT_EQ(picture.width, 320u);
        std::vector<Rgb> reference = ReadRgb(Sample(c.reference));
        std::uint32_t left = c.bpp == 4 ? 108 : 109;
        int mismatches = 0;
        for (std::uint32_t y = 0; y < 77; ++y) {
            for (std::uint32_t x = 0; x < 101; ++x) {
                std::uint32_t want = Expected(c, reference[y * 101 + x]);
                std::uint32_t seen = picture.Pixel(left + x, 81 + y);
                if (seen != want && ++mismatches <= 3) {
                    ADD_FAILURE() << c.image << " at " << c.bpp << " bpp, (" << x << ", " << y
                                  << "): seen " << std::hex << seen << ", want " << want;
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << c.image << " at " << c.bpp << " bpp";
    }
}

} // namespace
} // namespace k7r::test
