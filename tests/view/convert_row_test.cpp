#include "tests/view/view_test_support.h"
#include "view/convert_row.h"

#include <gtest/gtest.h>

namespace k7r::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Convert(std::uint32_t source, std::uint32_t panel, const Bytes& row,
              ChannelOrder order = ChannelOrder::Bgr, const Palette& lookup = FixedPalette16(),
              const Palette& file = FixedPalette16()) {
    RowConverter converter(source, panel, lookup, file, order);
    return converter.Convert(row);
}

TEST(ConvertRow, SixteenBitPanels) {
    EXPECT_EQ(Convert(24, 16, {0x00, 0x00, 0xFF}), (Bytes{0x00, 0xF8})) << "BMP is blue first";
    EXPECT_EQ(Convert(24, 16, {0xFF, 0x00, 0x00}, ChannelOrder::Rgb), (Bytes{0x00, 0xF8}));
    EXPECT_EQ(Convert(24, 16, {0x08, 0x04, 0x08, 0x00}, ChannelOrder::Rgb), (Bytes{0x21, 0x08}))
        << "a partial pixel is dropped";
    EXPECT_EQ(Convert(8, 16, {12}), (Bytes{0x00, 0xF0})) << "F00000 through the file palette";
    EXPECT_EQ(Convert(4, 16, {0xC9}), (Bytes{0x00, 0xF0, 0x1E, 0x00}));
    EXPECT_EQ(Convert(16, 16, {0x00, 0x7C}), (Bytes{0x00, 0xF8})) << "5-bit red to RGB565";
    EXPECT_EQ(Convert(16, 16, {0xE0, 0x03}), (Bytes{0xC0, 0x07})) << "green keeps 5 bits";
}

TEST(ConvertRow, EightAndFourBitPanels) {
    EXPECT_EQ(Convert(4, 8, {0xC9, 0x01}), (Bytes{0x0C, 0x09, 0x00, 0x01}));
    EXPECT_EQ(Convert(24, 8, {0xF0, 0x00, 0x00, 0xA0, 0xA0, 0xA0}), (Bytes{9, 7}));
    EXPECT_EQ(Convert(16, 8, {0x00, 0x7C}), (Bytes{12})) << "F80000 is nearest F00000";
    EXPECT_EQ(Convert(24, 4, {0xF0, 0, 0, 0, 0xF0, 0, 0, 0, 0xF0}), (Bytes{0x9A, 0xC0}));
    EXPECT_EQ(Convert(16, 4, {0x00, 0x7C, 0x1F, 0x00}), (Bytes{0xC9}));
    Palette file{};
    file[7] = {0xF0, 0xF0, 0x00};
    EXPECT_EQ(Convert(8, 4, {7, 0, 7}, ChannelOrder::Bgr, FixedPalette16(), file),
              (Bytes{0xE0, 0xE0}));
    EXPECT_EQ(Convert(8, 8, {1, 2, 3}), (Bytes{1, 2, 3})) << "the panel's own depth";
    EXPECT_EQ(Convert(1, 8, {0xAA}), (Bytes{0xAA})) << "no rule: unchanged";
}

} // namespace
} // namespace k7r::test
