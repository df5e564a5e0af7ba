#include "hal/chip_registers.h"
#include "tests/view/view_test_support.h"
#include "view/messages.h"
#include "view/options.h"
#include "view/panning.h"
#include "view/show_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <sstream>

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

} // namespace
} // namespace k7r::test
