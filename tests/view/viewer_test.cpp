#include "tests/view/view_test_support.h"
#include "view/messages.h"
#include "view/options.h"
#include "view/panning.h"
#include "view/registers.h"
#include "view/show_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <sstream>

namespace k7r::test {
namespace {

ParsedArguments Parse(std::initializer_list<std::string_view> args) {
    return ParseArguments(std::span<const std::string_view>(args.begin(), args.size()));
}

TEST(Arguments, UsageAndStatus) {
    EXPECT_EQ(Parse({}).usageStatus, 1);
    EXPECT_FALSE(Parse({}).options);
    EXPECT_EQ(Parse({"a.bmp", "b.bmp"}).usageStatus, 1);
    EXPECT_EQ(Parse({"a.bmp", "b.bmp", "/?"}).usageStatus, 1) << "the second name comes first";
    EXPECT_EQ(Parse({"a.bmp", "/?"}).usageStatus, 0);
    EXPECT_FALSE(Parse({"a.bmp", "/?"}).options);
    EXPECT_EQ(Parse({"/?", "a.bmp", "b.bmp"}).usageStatus, 0);
    EXPECT_FALSE(Parse({"a.bmp", "/x"}).options);
    EXPECT_EQ(Parse({"a.bmp", "-verbose"}).usageStatus, 0);
}

TEST(Arguments, Switches) {
    ViewerOptions plain = *Parse({"a.bmp"}).options;
    EXPECT_EQ(plain.imagePath, "a.bmp");
    EXPECT_TRUE(plain.initializeRegisters);
    EXPECT_FALSE(plain.automatic);
    ViewerOptions lower = *Parse({"/a", "a.bmp"}).options;
    EXPECT_TRUE(lower.automatic);
    EXPECT_EQ(lower.automaticSeconds, 5u);
    EXPECT_EQ(Parse({"a.bmp", "/A10"}).options->automaticSeconds, 10u);
    EXPECT_EQ(Parse({"a.bmp", "-A0"}).options->automaticSeconds, 5u);
    EXPECT_EQ(Parse({"a.bmp", "/Ax"}).options->automaticSeconds, 5u);
    EXPECT_EQ(Parse({"a.bmp", "/A99999999999"}).options->automaticSeconds, UINT32_MAX);
    EXPECT_FALSE(Parse({"a.bmp", "/NoInit"}).options->initializeRegisters);
    EXPECT_FALSE(Parse({"a.bmp", "/noinitx"}).options) << "not the switch";
    EXPECT_EQ(Parse({"/home/me/a.bmp", "/A"}).options->imagePath, "/home/me/a.bmp");
}

TEST(Arguments, UsageText) {
    std::ostringstream out;
    viewer_text::PrintUsage(out);
    EXPECT_EQ(out.str(),
              "\nUsage:   58C22VIEW imagefile [/A[time]]  [/noinit] [/?]\n"
              "\n      /A       Automatic mode (displays the image and exits after time seconds)"
              "\n               (if time is specifed then delay time seconds - default 5 seconds)"
              "\n      /noinit  Bypass register initialization"
              "\n      /?       Display this help message"
              "\nArguments enclosed in [] are optional.");
}

struct Shown {
    ShownImage image;
    std::string out;
};

Shown Show(Board& board, const std::string& name) {
    std::ostringstream out;
    ShownImage image = ShowImage(board.display, Sample(name), out);
    return {image, out.str()};
}

TEST(ShowImage, CentresASmallImage) {
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
}

TEST(ShowImage, LayoutRefusals) {
    Board small(8); // 256 KB
    Shown large = Show(small, "large.bmp");
    EXPECT_EQ(large.image.status, 0);
    EXPECT_EQ(large.image.area.virtualWidth, 320u);
    EXPECT_EQ(large.image.area.virtualHeight, 240u);
    EXPECT_NE(large.out.find("imgW:640, imgH:480, imgBpp:8\n"
                             "No enough memory for Virtual dispaly !\n"
                             "Just display panel size !\n"
                             "VW:320, VH:240, BppPanel:8\n"),
              std::string::npos)
        << large.out;
    EXPECT_EQ(small.display.GetStride(), 320u);

    Board deep(16, 320, 240, 2048 * 1024);
    Shown wide = Show(deep, "wide.bmp");
    EXPECT_EQ(wide.image.status, 1);
    EXPECT_EQ(wide.out, "If bpp is 16, Display width must be less than 1024!\n");

    Board twoBit(2);
    Shown low = Show(twoBit, "centred.bmp");
    EXPECT_EQ(low.image.status, 1);
    EXPECT_EQ(low.out, "This program does not display images on 1 or 2 bpp settings!\n");

    Shown missing = Show(small, "no-such-file.bmp");
    EXPECT_EQ(missing.image.status, 1);
    EXPECT_TRUE(missing.out.starts_with("\nERROR: Failed to open image file:'"));
    EXPECT_TRUE(missing.out.ends_with("\nArguments enclosed in [] are optional."));
}

TEST(ShowImage, FormatRules) {
    Board board4(4);
    Shown gif = Show(board4, "gif8.gif");
    EXPECT_EQ(gif.image.status, 1);
    EXPECT_TRUE(gif.out.ends_with(
        "\nERROR: GIF image can not be displayed if image or panel is not 8 bpp.\n"));
    Board board8(8);
    Shown gif89 = Show(board8, "gif89.gif");
    EXPECT_EQ(gif89.image.status, 1);
    EXPECT_TRUE(gif89.out.starts_with("imgW:0, imgH:0, imgBpp:0\n")) << gif89.out;
    Shown interlaced = Show(board8, "interlaced.gif");
    EXPECT_EQ(interlaced.image.status, 1);
    EXPECT_TRUE(interlaced.out.ends_with("cannot decode an interlaced GIF image\n"));
    Board board16(16);
    Shown grey = Show(board16, "grey.jpg");
    EXPECT_EQ(grey.image.status, 1);
    EXPECT_TRUE(grey.out.ends_with(
        "\nERROR: JPG monochrome image can not be displayed if panel is not 8 bpp. \n"));
    Board unknown(8);
    Shown text = Show(unknown, "../CTestTestfile.cmake");
    EXPECT_EQ(text.image.status, 0);
    EXPECT_TRUE(text.out.ends_with("\nERROR: Unable to determine file type.\n"));
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
    PanImage(board.display, {420, 250, 320, 240}, out, [&]() -> std::optional<int> {
        if (keys.size() < 28) {
            starts.push_back(board.chip.ReadRegister(reg::kStartAddress));
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
