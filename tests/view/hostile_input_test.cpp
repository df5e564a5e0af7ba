// Damaged and hostile files: each gets its decoder's message and status 1,
// and nothing is written outside display memory.
#include "tests/support/test_files.h"
#include "tests/view/view_test_support.h"
#include "view/bmp.h"
#include "view/gif.h"

#include <gtest/gtest.h>

#include <sstream>

namespace k7r::test {
namespace {

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

TEST(HostileBitmaps, ImpossibleHeadersAreRefused) {
    const std::string message = "\nERROR: 'bad.bmp' is not a valid bitmap file.\n";
    for (Bytes file : {Bitmap(0, 10, 8, 0, {}), Bitmap(-5, 10, 8, 0, {}), Bitmap(10, -10, 8, 0, {}),
                       Bitmap(10, 0, 8, 0, {}), Bitmap(70000, 10, 8, 0, {}),
                       Bitmap(10, 10, 7, 0, {}), Bytes{'B', 'M', 0, 0}, Bytes(60, 'X')}) {
        Board board(8);
        Drawn drawn = Draw(board, file);
        EXPECT_EQ(drawn.status, 1);
        EXPECT_EQ(drawn.out, message);
    }
}

// Missing rows, a short colour table, run-length data without its end, a
// literal longer than the file, and an information header claiming
// 0xFFFFFFF4 bytes: added to the file header in 32 bits the colour table
// landed at byte 2 and the 32-bit viewer drew with a palette read from the
// headers. Its table lies beyond the file.
TEST(HostileBitmaps, TruncatedDataIsReported) {
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

// Runs, literals and deltas that point far beyond the row, the image or the
// display are clipped; the pixels that do fit are drawn.
TEST(HostileBitmaps, RunLengthStaysInsideItsRowAndImage) {
    Board board(8);
    Bytes data = {255, 9, 255, 9,   255, 9, 255, 9, 255, 9, 0, 0, // runs far past the row
                  0,   2, 255, 0,   3,   7,                       // delta beyond the width
                  0,   2, 0,   200,                               // delta beyond the height
                  0,   1};
    Drawn drawn = Draw(board, Bitmap(16, 4, 8, 1, data), 300, 230);
    EXPECT_EQ(drawn.status, 0) << drawn.out;
    std::uint32_t stride = board.display.GetStride();
    EXPECT_EQ(board.chip.Memory()[(230 + 3) * stride + 300], 9) << "bottom line, first pixel";
    EXPECT_EQ(board.chip.Memory()[(230 + 3) * stride + 315], 9) << "its last pixel";
    EXPECT_EQ(board.chip.Memory()[(230 + 3) * stride + 316], 0) << "clipped to the image";
    EXPECT_EQ(board.chip.StrayAccesses(), 0);
}

TEST(HostileBitmaps, RunLengthFourBitKeepsPixelPositions) {
    Board board(8);
    // 3 pixels of 1,2,1 then literal 3 pixels 3,4,5 (2 bytes + 0 pad), end.
    Bytes data = {3, 0x12, 0, 3, 0x34, 0x50, 0, 1};
    Bytes file = Bitmap(6, 1, 4, 2, data);
    Drawn drawn = Draw(board, file);
    EXPECT_EQ(drawn.status, 0) << drawn.out;
    EXPECT_EQ(Bytes(board.chip.Memory().begin(), board.chip.Memory().begin() + 7),
              (Bytes{1, 2, 1, 3, 4, 5, 0}));
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

TEST(HostileGifs, BadCodesAndEndsAreRefused) {
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
}

} // namespace
} // namespace k7r::test
