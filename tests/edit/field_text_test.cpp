#include "edit/field_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace k7r::edit {
namespace {

TEST(ReadHexField, DigitsOfEitherCaseAfterLeadingSpaces) {
    const struct {
        std::string_view text;
        std::optional<std::uint32_t> value;
    } kCases[] = {
        {"1f000000", 0x1F000000},
        {"  ABCDEF", 0xABCDEF},
        {"", 0},
        {"   ", 0},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"0000000012", 0x12},
        {"G", {}},
        {"12 34", {}},
        {"0x10", {}},
        {"-1", {}},
        {"100000000", {}},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(ReadHexField(c.text), c.value) << c.text;
    }
}

TEST(ReadMilliText, WholePartAndThreeDecimals) {
    const struct {
        std::string_view text;
        std::uint32_t whole;
        std::uint64_t milli;
    } kCases[] = {
        {"25.175", 25, 25175},
        {"0.391", 0, 391},
        {"120", 120, 120000},
        {"1 2.5", 12, 12500},
        {"3.14159", 3, 3141},
        {".5", 0, 500},
        {"", 0, 0},
        {"7.", 7, 7000},
        {"4294967295", 4294967295u, 4294967295000u},
    };
    for (const auto& c : kCases) {
        const std::optional<MilliValue> read = ReadMilliText(c.text);
        ASSERT_TRUE(read) << c.text;
        EXPECT_EQ(read->whole, c.whole) << c.text;
        EXPECT_EQ(read->milli, c.milli) << c.text;
    }
    for (const std::string_view bad : {"1.2.3", "12a", "-5", "1,5", "4294967296", "0x10"}) {
        EXPECT_FALSE(ReadMilliText(bad)) << bad;
    }
}

TEST(FieldText, LineEndsForMultiLineControls) {
    EXPECT_EQ(AddCrLf("a\nb\r\nc\n", 100), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(AddCrLf("\n\n", 100), "\r\n\r\n");
    // With its NUL, the text fits the size; a line end is not split.
    EXPECT_EQ(AddCrLf("ab\ncd", 4), "ab");
    EXPECT_EQ(AddCrLf("ab\ncd", 5), "ab\r\n");
    EXPECT_EQ(AddCrLf("x", 0), "");
    EXPECT_EQ(StripCr("a\r\nb\r\r\n"), "a\nb\n");
}

} // namespace
} // namespace k7r::edit
