#include "cfgui/field_readers.h"
#include "tests/cfgui/fake_view.h"

#include <gtest/gtest.h>

namespace k7r::cfgui {
namespace {

TEST(FieldReaders, HexAcceptsDigitsOfEitherCaseAfterLeadingSpaces) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> value;
    };
    const Case cases[] = {
        {"", 0u},
        {"   ", 0u},
        {"  1f000000", 0x1F000000u},
        {"FFFFFFFF", 0xFFFFFFFFu},
        {"00000000F", 0xFu}, // leading zeros do not overflow
        {"100000000", std::nullopt},
        {"12 34", std::nullopt},
        {"12G", std::nullopt},
        {"0x10", std::nullopt},
        {"-1", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseHex(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(FieldReaders, MilliReadsThreeDecimalsAndIgnoresSpaces) {
    struct Case {
        const char* text;
        bool ok;
        std::uint32_t whole;
        std::uint64_t milli;
    };
    const Case cases[] = {
        {"", true, 0, 0},
        {"25.175", true, 25, 25175},
        {" 2 5 . 1 7 5 ", true, 25, 25175},
        {"0.390", true, 0, 390},
        {"120", true, 120, 120000},
        {"1.2", true, 1, 1200},
        {".5", true, 0, 500},
        {"3.14159", true, 3, 3141},
        {"4294967295", true, 4294967295u, 4294967295000u},
        {"4294967296", false, 0, 0},
        {"1.2.3", false, 0, 0},
        {"12a", false, 0, 0},
        {"-5", false, 0, 0},
        {"1,5", false, 0, 0},
    };
    for (const Case& c : cases) {
        const std::optional<MilliValue> value = ParseMilli(c.text);
        ASSERT_EQ(value.has_value(), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value->whole, c.whole) << c.text;
            EXPECT_EQ(value->milli, c.milli) << c.text;
        }
    }
}

TEST(FieldReaders, DropDownWithSelectionIsReadFromTheSelectedItem) {
    fake::FakeView view;
    view[10].items = {"25.175", "40.000"};
    view[10].text = "typed";
    view[10].selection = 1;
    EXPECT_EQ(ReadMilliField(view, 10)->milli, 40000u);
    view[10].selection = -1;
    EXPECT_FALSE(ReadMilliField(view, 10).has_value());
    view[11].text = " abC";
    EXPECT_EQ(ReadHexField(view, 11), 0xABCu);
}

TEST(FieldReaders, AddCrLfConvertsBareLineEndsWithinTheBuffer) {
    EXPECT_EQ(AddCrLf("a\nb\r\nc\n", 100), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(AddCrLf("\n\n", 100), "\r\n\r\n");
    // Room for "ab\r\n" and the NUL; a line end is never cut in half.
    EXPECT_EQ(AddCrLf("ab\ncd", 5), "ab\r\n");
    EXPECT_EQ(AddCrLf("ab\ncd", 4), "ab");
    EXPECT_EQ(AddCrLf("abc", 0), "");
    EXPECT_EQ(StripCr("a\r\nb\r\r\n"), "a\nb\n");
}

} // namespace
} // namespace k7r::cfgui
