// The decoders' output through the chip access layer on the board emulator:
// what the emulated panel shows at each depth against the reference decodes.
#include "config/default_records.h"
#include "emu/driver_choice.h"
#include "emu/emulated_driver.h"
#include "emu/panel_picture.h"
#include "hal/access.h"
#include "hal/init_sequence.h"
#include "tests/view/view_test_support.h"
#include "view/hal_bus.h"
#include "view/show_image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace k7r::test {
namespace {

TEST(EmulatedPanel, DecodersAtEveryDepth) {
    emu::OfferEmulatedBoard();
    putenv(const_cast<char*>("K7R58_EMULATOR=1"));
    hal::UseRecord(ViewerRecord);
    static const DecodeCase kCases[] = {
        {"bmp24.bmp", "bmp24.rgb", 16, Rule::Exact},
        {"gif8.gif", "gif8.rgb", 8, Rule::Exact},
        {"colour.jpg", "colour16.rgb", 4, Rule::Exact},
    };
    for (const DecodeCase& c : kCases) {
        // The viewer's start-up at the record's mode, then the panel depth.
        ASSERT_TRUE(hal::AcquireChip());
        ASSERT_TRUE(hal::InitializeChip(0));
        view::HalBus bus;
        view::Display display(bus);
        display.SetBitsPerPixel(c.bpp);
        std::ostringstream out;
        ASSERT_EQ(view::ShowImage(display, Sample(c.image), out).status, 0) << out.str();
        emu::Picture picture = emu::RenderPanel(emu::TheBoard());
        ASSERT_EQ(picture.width, 320u);
        // The emulator widens RGB565 to 8 bits a component; the top bits
        // are the panel's word.
        ExpectCentred(c, ReadRgb(Sample(c.reference)), [&](std::uint32_t x, std::uint32_t y) {
            std::uint32_t p = picture.Pixel(x, y);
            view::Rgb rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                          static_cast<std::uint8_t>(p)};
            return c.bpp == 16 ? Rgb565(rgb) : p;
        });
    }
}

} // namespace
} // namespace k7r::test
