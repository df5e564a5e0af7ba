// Every decoder at every panel depth, pixel for pixel against a decode of
// the same file by ImageMagick or djpeg, converted by the panel's rules.
#include "tests/view/view_test_support.h"
#include "view/show_image.h"

#include <gtest/gtest.h>

#include <sstream>

namespace k7r::test {
namespace {

std::uint32_t Expected(const DecodeCase& c, Rgb reference) {
    return c.bpp == 16 ? Rgb565(reference) : ExpectedIndexed(c.rule, reference);
}

// Compares the 101 x 77 sample drawn centred on the 320 x 240 panel. At
// 4 bpp the odd left edge is drawn from the byte that holds it.
void ExpectPicture(const DecodeCase& c, const std::string& imagePath, std::vector<Rgb> reference) {
    Board board(c.bpp);
    std::ostringstream out;
    ShownImage shown = ShowImage(board.display, imagePath, out);
    ASSERT_EQ(shown.status, 0) << out.str();
    ASSERT_EQ(reference.size(), 101u * 77u);
    std::uint32_t left = c.bpp == 4 ? 108 : 109;
    int mismatches = 0;
    for (std::uint32_t y = 0; y < 77; ++y) {
        for (std::uint32_t x = 0; x < 101; ++x) {
            std::uint32_t want = Expected(c, reference[y * 101 + x]);
            std::uint32_t seen = board.Seen(left + x, 81 + y);
            if (seen != want && ++mismatches <= 5) {
                ADD_FAILURE() << c.image << " at " << c.bpp << " bpp, pixel (" << x << ", " << y
                              << "): seen " << std::hex << seen << ", want " << want;
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << c.image << " at " << c.bpp << " bpp";
    EXPECT_EQ(board.chip.StrayAccesses(), 0);
}

TEST(Decoders, MatchReferenceDecodesAtEveryDepth) {
    static const DecodeCase kCases[] = {
        {"bmp24.bmp", "bmp24.rgb", 16, Rule::Exact},
        {"bmp24.bmp", "bmp24.rgb", 8, Rule::NearestDeep},
        {"bmp24.bmp", "bmp24.rgb", 4, Rule::NearestFixed16},
        {"bmp8.bmp", "bmp8.rgb", 16, Rule::Exact},
        {"bmp8.bmp", "bmp8.rgb", 8, Rule::Exact},
        {"bmp8.bmp", "bmp8.rgb", 4, Rule::NearestFixed16},
        {"bmp8rle.bmp", "bmp8rle.rgb", 16, Rule::Exact},
        {"bmp8rle.bmp", "bmp8rle.rgb", 8, Rule::Exact},
        {"bmp8rle.bmp", "bmp8rle.rgb", 4, Rule::NearestFixed16},
        {"bmp8v5.bmp", "bmp8v5.rgb", 8, Rule::Exact},
        {"bmp4.bmp", "bmp4.rgb", 16, Rule::Exact},
        {"bmp4.bmp", "bmp4.rgb", 8, Rule::Exact},
        {"bmp4.bmp", "bmp4.rgb", 4, Rule::Exact},
        {"gif8.gif", "gif8.rgb", 8, Rule::Exact},
        {"colour.jpg", "colour.rgb", 16, Rule::Exact},
        {"colour.jpg", "colour256.rgb", 8, Rule::Exact},
        {"colour.jpg", "colour16.rgb", 4, Rule::Exact},
        {"grey.jpg", "grey.rgb", 8, Rule::Exact},
    };
    for (const DecodeCase& c : kCases) {
        ExpectPicture(c, Sample(c.image), ReadRgb(Sample(c.reference)));
    }
}

// 16-bit bitmaps hold 5 bits per component, red highest; ImageMagick does
// not write them uncompressed, so this one is made from the 24-bit sample.
TEST(Decoders, SixteenBitBitmapAtEveryDepth) {
    std::vector<Rgb> source = ReadRgb(Sample("bmp24.rgb"));
    std::uint32_t rowSize = (101 * 2 + 3) / 4 * 4;
    std::vector<std::uint8_t> file = {'B', 'M'};
    file.resize(54 + rowSize * 77);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    put32(10, 54);
    put32(14, 40);
    put32(18, 101);
    put32(22, 77);
    file[26] = 1;
    file[28] = 16;
    std::vector<Rgb> reference;
    for (std::uint32_t y = 0; y < 77; ++y) {
        for (std::uint32_t x = 0; x < 101; ++x) {
            Rgb c = source[y * 101 + x];
            unsigned pixel = ((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3);
            std::size_t at = 54 + (76 - y) * rowSize + x * 2;
            file[at] = static_cast<std::uint8_t>(pixel);
            file[at + 1] = static_cast<std::uint8_t>(pixel >> 8);
            reference.push_back({static_cast<std::uint8_t>(c.r & 0xF8),
                                 static_cast<std::uint8_t>(c.g & 0xF8),
                                 static_cast<std::uint8_t>(c.b & 0xF8)});
        }
    }
    std::string path = Sample("made16.bmp");
    WriteBytes(path, file);
    for (auto [bpp, rule] : {std::pair{16u, Rule::Exact}, std::pair{8u, Rule::NearestDeep},
                             std::pair{4u, Rule::NearestFixed16}}) {
        ExpectPicture({"made16.bmp", "", bpp, rule}, path, reference);
    }
}

} // namespace
} // namespace k7r::test
