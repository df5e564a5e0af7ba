#include "edit/field_text.h"

#include <gtest/gtest.h>

#include <optional>

namespace k7r::edit {
namespace {

TEST(ReadHexField, DigitsOfEitherCaseAfterLeadingSpaces) {
    const std::pair<std::string_view, std::uint32_t> kRead[] = {
        {"1f000000", 0x1F000000}, {"  ABCDEF", 0xABCDEF}, {"", 0}, {"   ", 0},
        {"FFFFFFFF", 0xFFFFFFFF}, {"0000000012", 0x12},
    };
    for (const auto& [text, value] : kRead) {
        EXPECT_EQ(ReadHexField(text), value) << text;
    }
    for (const std::string_view bad : {"G", "12 34", "0x10", "-1", "100000000"}) {
        EXPECT_EQ(ReadHexField(bad), std::nullopt) << bad;
    }
}

TEST(ReadMilliText, WholePartAndThreeDecimals) {
    const std::pair<std::string_view, std::uint64_t> kRead[] = {
        {"25.175", 25175}, {"0.391", 391},    {"120", 120000},
        {"1 2.5", 12500},  {"3.14159", 3141}, {".5", 500},
        {"", 0},           {"7.", 7000},      {"4294967295", 4294967295000u},
    };
    for (const auto& [text, milli] : kRead) {
        const std::optional<MilliValue> read = ReadMilliText(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->whole, milli / 1000) << text;
        EXPECT_EQ(read->milli, milli) << text;
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
