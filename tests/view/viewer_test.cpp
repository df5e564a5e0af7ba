#include "hal/chip_registers.h"
#include "tests/view/view_test_support.h"
#include "view/messages.h"
#include "view/options.h"
#include "view/panning.h"
#include "view/show_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <sstream>
#include <tuple>

namespace k7r::test {
namespace {

view::ParsedArguments Parse(std::initializer_list<std::string_view> args) {
    return view::ParseArguments(std::span<const std::string_view>(args.begin(), args.size()));
}

// The program's test covers no arguments, /? after the name and /B.
TEST(Arguments, UsageStatusSwitchesAndText) {
    EXPECT_EQ(Parse({"a.bmp", "b.bmp", "/?"}).usageStatus, 1) << "the second name comes first";
    EXPECT_EQ(Parse({"/?", "a.bmp", "b.bmp"}).usageStatus, 0);
    EXPECT_EQ(Parse({"-?", "a.bmp"}).usageStatus, 0);
    EXPECT_EQ(Parse({"a.bmp", "-verbose"}).usageStatus, 1);
    EXPECT_FALSE(Parse({"a.bmp", "-verbose"}).options);
    view::ViewerOptions plain = *Parse({"a.bmp"}).options;
    EXPECT_EQ(plain.imagePath, "a.bmp");
    EXPECT_TRUE(plain.initializeRegisters);
    EXPECT_FALSE(plain.automatic);
    view::ViewerOptions lower = *Parse({"/a", "a.bmp"}).options;
    EXPECT_TRUE(lower.automatic);
    EXPECT_EQ(lower.automaticSeconds, 5u);
    EXPECT_EQ(Parse({"a.bmp", "/A10"}).options->automaticSeconds, 10u);
    EXPECT_EQ(Parse({"a.bmp", "-A0"}).options->automaticSeconds, 5u);
    EXPECT_EQ(Parse({"a.bmp", "/Ax"}).options->automaticSeconds, 5u);
    EXPECT_EQ(Parse({"a.bmp", "/A99999999999"}).options->automaticSeconds, UINT32_MAX);
    EXPECT_FALSE(Parse({"a.bmp", "/NoInit"}).options->initializeRegisters);
    EXPECT_FALSE(Parse({"a.bmp", "/noinitx"}).options) << "not the switch";
    EXPECT_EQ(Parse({"/home/me/a.bmp", "/A"}).options->imagePath, "/home/me/a.bmp");

    std::ostringstream out;
    view::viewer_text::PrintUsage(out);
    EXPECT_EQ(out.str(),
              "\nUsage:   58C22VIEW imagefile [/A[time]]  [/noinit] [/?]\n"
              "\n      /A       Automatic mode (displays the image and exits after time seconds)"
              "\n               (if time is specifed then delay time seconds - default 5 seconds)"
              "\n      /noinit  Bypass register initialization"
              "\n      /?       Display this help message"
              "\nArguments enclosed in [] are optional.");
}

struct Shown {
    view::ShownImage image;
    std::string out;
};

Shown Show(Board& board, const std::string& name) {
    std::ostringstream out;
    view::ShownImage image = view::ShowImage(board.display, Sample(name), out);
    return {image, out.str()};
}

TEST(ShowImage, CentresASmallImageAndRefusesWithAMessage) {
    Board board(16, 320, 240, 512 * 1024);
    Shown shown = Show(board, "centred.bmp");
    ASSERT_EQ(shown.image.status, 0) << shown.out;
    EXPECT_EQ(shown.out, "imgW:100, imgH:80, imgBpp:24\n"
                         "VW:320, VH:240, BppPanel:16\n"
                         "ImgH:80, ImgW:100\n"
                         "VW:320, VH:240, BppPanel:16\n");
    EXPECT_NE(board.Seen(110, 80), 0u);
    EXPECT_EQ(board.Seen(109, 80), 0u);
    EXPECT_EQ(board.Seen(110, 79), 0u);
    EXPECT_NE(board.Seen(209, 159), 0u);
    EXPECT_EQ(board.Seen(210, 159), 0u);
    // What the viewer cannot lay out or decode, each with its message; the
    // program's test has the missing file, the unknown type and 1 bpp.
    struct Case {
        std::uint32_t bpp, memoryKb;
        const char* image;
        int status;
        const char* message;
    };
    static const Case kCases[] = {
        {8, 256, "large.bmp", 0,
         "imgW:640, imgH:480, imgBpp:8\nNo enough memory for Virtual dispaly !\n"
         "Just display panel size !\nVW:320, VH:240, BppPanel:8\n"},
        {16, 2048, "wide.bmp", 1, "If bpp is 16, Display width must be less than 1024!\n"},
        {2, 256, "centred.bmp", 1,
         "This program does not display images on 1 or 2 bpp settings!\n"},
        {4, 256, "gif8.gif", 1,
         "\nERROR: GIF image can not be displayed if image or panel is not 8 bpp.\n"},
        {8, 256, "gif89.gif", 1, "imgW:0, imgH:0, imgBpp:0\n"},
        {16, 256, "grey.jpg", 1,
         "\nERROR: JPG monochrome image can not be displayed if panel is not 8 bpp. \n"},
    };
    for (const Case& c : kCases) {
        Board refusing(c.bpp, 320, 240, c.memoryKb * 1024);
        shown = Show(refusing, c.image);
        EXPECT_EQ(shown.image.status, c.status) << c.image;
        EXPECT_NE(shown.out.find(c.message), std::string::npos) << shown.out;
    }
}

// VW - panel width = 100: x runs 0, 8, ... 96, 104 and no further; VH -
// panel height = 10: y stops at 16. Unknown keys are ignored; Esc ends it.
TEST(Panning, StepsByEightUpToThePassedLimit) {
    Board board(8, 320, 240, 512 * 1024);
    board.display.SetVirtualDisplay(420, 250);
    std::deque<int> keys(20, '6');
    keys.insert(keys.end(), {'2', '2', '2', '8', 'x', '4', 27, '6'});
    std::vector<std::uint32_t> starts; // after each key
    std::ostringstream out;
    view::PanImage(board.display, {420, 250, 320, 240}, out, [&]() -> std::optional<int> {
        if (keys.size() < 28) {
            starts.push_back(board.chip.ReadRegister(hal::reg::kMainStart));
        }
        if (keys.empty()) {
            return std::nullopt;
        }
        int key = keys.front();
        keys.pop_front();
        return key;
    });
    // Start address in words: x * 8 / 32 + y * 420 / 4.
    std::vector<std::uint32_t> want;
    for (std::uint32_t x = 8; x <= 160; x += 8) {
        want.push_back(std::min(x, 104u) / 4);
    }
    want.insert(want.end(), {26 + 8 * 105, 26 + 16 * 105, 26 + 16 * 105, 26 + 8 * 105, 26 + 8 * 105,
                             24 + 8 * 105});
    EXPECT_EQ(starts, want);
    EXPECT_EQ(keys.size(), 1u) << "nothing read after Esc";
    EXPECT_EQ(out.str(), "Press Esc to exit! \nPress \"4\"- Move left \n"
                         "Press \"6\"- Move right \nPress \"8\"- Move up \n"
                         "Press \"2\"- Move down \n");
}

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
TEST(Display, SetBitsPerPixelSetsStrideAndStartAndPutRowCopiesAndClips) {
    // SwivelView bits, stride and start address of 320 x 240 at 8 bpp: a line
    // is 320 bytes; rotated it is 240 pixels.
    const std::tuple<std::uint32_t, std::uint32_t, std::uint32_t> kRows[] = {
        {0, 320, 0},
        {1, 240, 240 / 4 - 1},
        {2, 320, (320 + 239 * 320) / 4 - 1},
        {3, 240, (319 * 240) / 4}};
    for (const auto& [swivelBits, stride, start] : kRows) {
        Board board(8);
        board.chip.WriteRegister(hal::reg::kDisplaySettings, swivelBits << 16);
        board.display.SetBitsPerPixel(8);
        EXPECT_EQ(board.display.GetStride(), stride);
        EXPECT_EQ(board.chip.ReadRegister(hal::reg::kMainStart), start);
        EXPECT_EQ(board.chip.ReadRegister(hal::reg::kDisplaySettings), (swivelBits << 16) | 8);
    }
    Board odd(4, 328, 240);
    EXPECT_EQ(odd.display.GetStride(), 164u) << "164 is already a multiple of 4";
    Board halved(16, 328, 240);
    halved.chip.WriteRegister(hal::reg::kDisplaySettings, 0x01000000);
    halved.display.SetBitsPerPixel(16);
    EXPECT_EQ(halved.display.GetStride(), 328u) << "164 pixels of 2 bytes";
    // Whole words are copied, the rest of the last word keeps the display's
    // bytes; rows are clipped at the limit and at the end of memory.
    Board small(8, 320, 240, 4096);
    auto& memory = small.chip.Memory();
    std::fill(memory.begin(), memory.end(), 0xEE);
    std::vector<std::uint8_t> row = {1, 2, 3, 4, 5, 6, 7};
    small.display.PutRow(row, 7, 2, 1, 16, 16, 8);
    EXPECT_EQ(std::vector<std::uint8_t>(memory.begin() + 16, memory.begin() + 28),
              (std::vector<std::uint8_t>{0xEE, 0xEE, 1, 2, 3, 4, 5, 6, 7, 0xEE, 0xEE, 0xEE}));
    small.display.PutRow(row, 7, 12, 3, 16, 16, 8);
    EXPECT_EQ(std::vector<std::uint8_t>(memory.begin() + 60, memory.begin() + 65),
              (std::vector<std::uint8_t>{1, 2, 3, 4, 0xEE}))
        << "clipped at the limit";
    std::vector<std::uint8_t> before = memory;
    small.display.PutRow(row, 7, 16, 0, 16, 16, 8);
    EXPECT_EQ(memory, before) << "x at the limit draws nothing";
    small.display.PutRow(row, 7, 4092, 0, 8192, 8192, 8);
    EXPECT_EQ(memory[4095], 4);
    EXPECT_EQ(small.chip.StrayAccesses(), 0) << "the word past the end is not written";
    // At 4 bpp an odd last pixel is the high nibble of its byte.
    std::vector<std::uint8_t> nibbles = {0x12, 0x30};
    small.display.PutRow(nibbles, 3, 0, 10, 8, 8, 4);
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
