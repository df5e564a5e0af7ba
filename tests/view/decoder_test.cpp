// Every decoder at every panel depth, pixel for pixel against a decode of
// the same file by ImageMagick or djpeg, converted by the panel's rules.
#include "tests/support/test_files.h"
#include "tests/view/view_test_support.h"
#include "view/show_image.h"

#include <gtest/gtest.h>

#include <sstream>

namespace k7r::test {
namespace {

// How the panel's colour follows from a reference decode's colour on 4- and
// 8-bit panels; 16-bit panels show its RGB565 packing.
enum class Rule { Exact, NearestDeep, NearestFixed16 };

// An image, its reference decode and the panel depth it is drawn at.
struct DecodeCase {
    const char* image;
    const char* reference;
    std::uint32_t bpp;
    Rule rule;
};

// A raw RGB reference decode as colours.
std::vector<view::Rgb> ReadRgb(const std::string& path) {
    const Bytes bytes = ReadFileBytes(path);
    EXPECT_FALSE(bytes.empty()) << path;
    std::vector<view::Rgb> colours;
    for (std::size_t i = 0; i + 3 <= bytes.size(); i += 3) {
        colours.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    }
    return colours;
}

std::uint32_t Expected(const DecodeCase& c, view::Rgb reference) {
    if (c.bpp == 16) {
        return ((reference.r & 0xF8) << 8) | ((reference.g & 0xFC) << 3) | (reference.b >> 3);
    }
    switch (c.rule) {
    case Rule::NearestDeep:
        return Packed(
            view::DeepColourPalette()[ScanNearest(view::DeepColourPalette(), 256, reference)]);
    case Rule::NearestFixed16:
        return Packed(view::FixedPalette16()[ScanNearest(view::FixedPalette16(), 16, reference)]);
    default:
        return Packed(reference);
    }
}

// The 101 x 77 sample drawn centred on the 320 x 240 panel against its
// reference decode. At 4 bpp the odd left edge is drawn from the byte that
// holds it.
void ExpectPicture(const DecodeCase& c, const std::string& imagePath,
                   const std::vector<view::Rgb>& reference) {
    Board board(c.bpp);
    std::ostringstream out;
    ASSERT_EQ(view::ShowImage(board.display, imagePath, out).status, 0) << out.str();
    ASSERT_EQ(reference.size(), 101u * 77u);
    const std::uint32_t left = c.bpp == 4 ? 108 : 109;
    int mismatches = 0;
    for (std::uint32_t y = 0; y < 77; ++y) {
        for (std::uint32_t x = 0; x < 101; ++x) {
            const std::uint32_t want = Expected(c, reference[y * 101 + x]);
            const std::uint32_t got = board.Seen(left + x, 81 + y);
            if (got != want && ++mismatches <= 5) {
                ADD_FAILURE() << c.image << " at " << c.bpp << " bpp, pixel (" << x << ", " << y
                              << "): seen " << std::hex << got << ", want " << want;
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
    std::vector<view::Rgb> reference = ReadRgb(Sample("bmp24.rgb"));
    std::uint32_t rowSize = (101 * 2 + 3) / 4 * 4;
    std::vector<std::uint8_t> rows(rowSize * 77);
    for (std::uint32_t y = 0; y < 77; ++y) {
        for (std::uint32_t x = 0; x < 101; ++x) {
            view::Rgb& c = reference[y * 101 + x];
            unsigned pixel = ((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3);
            std::size_t at = (76 - y) * rowSize + x * 2;
            rows[at] = static_cast<std::uint8_t>(pixel);
            rows[at + 1] = static_cast<std::uint8_t>(pixel >> 8);
            c.r &= 0xF8;
            c.g &= 0xF8;
            c.b &= 0xF8;
        }
    }
    std::string path = Sample("made16.bmp");
    WriteFileBytes(path, Bitmap(101, 77, 16, 0, rows));
    for (auto [bpp, rule] : {std::pair{16u, Rule::Exact}, std::pair{8u, Rule::NearestDeep},
                             std::pair{4u, Rule::NearestFixed16}}) {
        ExpectPicture({"made16.bmp", "", bpp, rule}, path, reference);
    }
}

} // namespace
} // namespace k7r::test
