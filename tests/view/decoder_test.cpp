// Every decoder at every panel depth, pixel for pixel against a decode of
// the same file by ImageMagick or djpeg, converted by the panel's rules; and
// damaged and hostile files: each gets its decoder's message and status 1,
// and nothing is written outside display memory.
#include "tests/support/test_files.h"
#include "tests/view/view_test_support.h"
#include "view/bmp.h"
#include "view/gif.h"
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
    // 16-bit bitmaps hold 5 bits per component, red highest; ImageMagick does
    // not write them uncompressed, so this one is made from the 24-bit sample.
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

struct Drawn {
    int status;
    std::string out;
};

// Draws a GIF by its signature, anything else as a bitmap.
Drawn Draw(Board& board, const Bytes& file, std::uint32_t x = 0, std::uint32_t y = 0) {
    std::ostringstream out;
    view::DrawTarget target{board.display, out, x, y};
    int status =
        file[0] == 'G' ? view::DrawGif(target, file) : view::DrawBmp(target, file, "bad.bmp");
    return {status, out.str()};
}

// Impossible headers are refused. Missing rows, a short colour table,
// run-length data without its end, a literal longer than the file, and an
// information header claiming 0xFFFFFFF4 bytes end before their data: added
// to the file header in 32 bits that size put the colour table at byte 2 and
// the 32-bit viewer drew with a palette read from the headers. Its table
// lies beyond the file.
TEST(HostileBitmaps, ImpossibleHeadersAndTruncatedDataAreRefused) {
    for (Bytes file : {Bitmap(0, 10, 8, 0, {}), Bitmap(-5, 10, 8, 0, {}), Bitmap(10, -10, 8, 0, {}),
                       Bitmap(10, 0, 8, 0, {}), Bitmap(70000, 10, 8, 0, {}),
                       Bitmap(10, 10, 7, 0, {}), Bytes{'B', 'M', 0, 0}, Bytes(60, 'X')}) {
        Board board(8);
        Drawn drawn = Draw(board, file);
        EXPECT_EQ(drawn.status, 1);
        EXPECT_EQ(drawn.out, "\nERROR: 'bad.bmp' is not a valid bitmap file.\n");
    }
    Bytes shortTable = Bitmap(8, 4, 8, 0, {});
    shortTable.resize(54 + 100);
    const Bytes infoSizeWraps =
        ReadFileBytes(K7R_SOURCE_DIR "/tests/view/fixtures/info_size_wraps.bmp");
    ASSERT_EQ(infoSizeWraps.size(), 1130u);
    for (const Bytes& file :
         {Bitmap(8, 4, 8, 0, Bytes(8 * 3, 0x11)), shortTable, Bitmap(8, 4, 8, 1, {2, 7, 0, 0, 3}),
          Bitmap(16, 4, 8, 1, {0, 250, 1, 2}), infoSizeWraps}) {
        Board board(8);
        Drawn drawn = Draw(board, file);
        EXPECT_EQ(drawn.status, 1);
        EXPECT_TRUE(drawn.out.ends_with("\nERROR: 'bad.bmp' ends before its image data.\n"))
            << drawn.out;
    }
}

Bytes Gif(const Bytes& imageData, std::uint8_t imagePacked = 0) {
    Bytes b = {'G', 'I', 'F', '8', '7', 'a', 4, 0, 2, 0, 0x87, 0, 0};
    for (int i = 0; i < 256; ++i) {
        auto c = static_cast<std::uint8_t>(i);
        b.insert(b.end(), {c, c, c});
    }
    b.insert(b.end(), {',', 0, 0, 0, 0, 4, 0, 2, 0, imagePacked});
    b.insert(b.end(), imageData.begin(), imageData.end());
    return b;
}

TEST(HostileFiles, RunLengthStaysInsideItsImageAndBadGifsAreRefused) {
    const std::string structure = "ERROR: There is an error in the GIF file. Unable to continue.\n";
    Bytes aspect = Gif({});
    aspect[12] = 49;
    const std::pair<Bytes, std::string> kCases[] = {
        // Minimum code size 2, 3-bit codes: clear (4), then 7, which is not
        // yet defined and has no previous code.
        {Gif({2, 1, 0x3C, 0}), structure},
        // Code size 12 leaves no room for the control codes.
        {Gif({12, 1, 0, 0}), structure},
        {aspect, structure},
        // Data that stops in the middle of an image.
        {Gif({8, 2, 0x00, 0x01}),
         "ERROR: Unexpected end of data.\n       This indicates an error in the GIF file.\n"},
        {Gif({}, 0x40), "ERROR: This GIF file uses an interlaced format\n"
                        "       This program cannot decode an interlaced GIF image\n"},
    };
    Board board(8);
    for (const auto& [file, message] : kCases) {
        Drawn drawn = Draw(board, file);
        EXPECT_EQ(drawn.status, 1);
        EXPECT_EQ(drawn.out, message);
    }
    EXPECT_EQ(board.chip.StrayAccesses(), 0);
    // Runs, literals and deltas that point far beyond the row, the image or the
    // display are clipped; the pixels that do fit are drawn.
    Board rle(8);
    Bytes data = {255, 9, 255, 9,   255, 9, 255, 9, 255, 9, 0, 0, // runs far past the row
                  0,   2, 255, 0,   3,   7,                       // delta beyond the width
                  0,   2, 0,   200,                               // delta beyond the height
                  0,   1};
    Drawn drawn = Draw(rle, Bitmap(16, 4, 8, 1, data), 300, 230);
    EXPECT_EQ(drawn.status, 0) << drawn.out;
    std::uint32_t stride = rle.display.GetStride();
    EXPECT_EQ(rle.chip.Memory()[(230 + 3) * stride + 300], 9) << "bottom line, first pixel";
    EXPECT_EQ(rle.chip.Memory()[(230 + 3) * stride + 315], 9) << "its last pixel";
    EXPECT_EQ(rle.chip.Memory()[(230 + 3) * stride + 316], 0) << "clipped to the image";
    EXPECT_EQ(rle.chip.StrayAccesses(), 0);
    // At 4 bits: 3 pixels of 1,2,1 then literal 3 pixels 3,4,5 (2 bytes + 0
    // pad), end; each keeps its position.
    Board fourBit(8);
    drawn = Draw(fourBit, Bitmap(6, 1, 4, 2, {3, 0x12, 0, 3, 0x34, 0x50, 0, 1}));
    EXPECT_EQ(drawn.status, 0) << drawn.out;
    EXPECT_EQ(Bytes(fourBit.chip.Memory().begin(), fourBit.chip.Memory().begin() + 7),
              (Bytes{1, 2, 1, 3, 4, 5, 0}));
}

} // namespace
} // namespace k7r::test
