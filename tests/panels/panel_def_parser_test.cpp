#include "panels/panel_def_parser.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

namespace k7r::panels {
namespace {

// A full line with every field given; tests replace its type token.
std::string Line(std::string_view type = "TFT") {
    return "PANEL \"Test 640\" " + std::string(type) +
           " 640 480 F 18 F 1 T F 25175 800 48 525 33 16 96 L 10 2 L F 0 0\n";
}

PanelDef Parse(const std::string& line) {
    const std::optional<PanelDef> def = ParsePanelLine(line);
    EXPECT_TRUE(def.has_value()) << line;
    return def.value_or(PanelDef{});
}

TEST(PanelDefParser, ReadsEveryFieldInOrder) {
    const PanelDef def = Parse(Line());
    EXPECT_EQ(def.name, "Test 640");
    EXPECT_FALSE(def.disqualified);
    // The numbered members from field 2 on, in the order of the line.
    std::int32_t PanelDef::*const members[] = {
        &PanelDef::type,      &PanelDef::width,      &PanelDef::height,     &PanelDef::el,
        &PanelDef::dataWidth, &PanelDef::tft2x,      &PanelDef::dataFormat, &PanelDef::color,
        &PanelDef::dual,      &PanelDef::pclkKHz,    &PanelDef::hTotal,     &PanelDef::hStart,
        &PanelDef::vTotal,    &PanelDef::vStart,     &PanelDef::lineStart,  &PanelDef::lineWidth,
        &PanelDef::linePol,   &PanelDef::frameStart, &PanelDef::frameWidth, &PanelDef::framePol,
        &PanelDef::spareFlag, &PanelDef::spare1,     &PanelDef::spare2};
    const std::int32_t values[] = {kPanelTft, 640, 480, 0,  18, 0,  0, 1, 0, 25175, 800, 48,
                                   525,       33,  16,  96, 0,  10, 2, 0, 0, 0,     0};
    static_assert(std::size(members) == std::size(values));
    for (std::size_t n = 0; n < std::size(members); ++n) {
        EXPECT_EQ(def.*members[n], values[n]) << "field " << n + 2;
    }
}

TEST(PanelDefParser, OnlySpacesSeparateFields) {
    // Runs of spaces count as one separator, also before the name.
    const PanelDef spaced =
        Parse("PANEL    \"A B\"   STN  320  240 F 4 n 1 F F 6000 400 22 245 0 360 8 H 0 1 H n 0 0");
    EXPECT_EQ(spaced.name, "A B");
    EXPECT_EQ(spaced.width, 320);
    EXPECT_EQ(spaced.height, 240);
    EXPECT_EQ(spaced.pclkKHz, 6000);

    // A tab belongs to the token: "320\t240" is the width, and every later
    // field shifts one place to the left.
    const PanelDef tabbed = Parse("PANEL \"T\" STN 320\t240 F 4");
    EXPECT_EQ(tabbed.width, 320);
    EXPECT_EQ(tabbed.height, 0);
    EXPECT_EQ(tabbed.el, kNotGiven);
    EXPECT_EQ(tabbed.dataWidth, 0);
}

TEST(PanelDefParser, NameUpTo78CharactersInQuotes) {
    const std::string name78(78, 'N');
    EXPECT_EQ(Parse("PANEL \"" + name78 + "\" TFT 320 240").name, name78);
    EXPECT_FALSE(ParsePanelLine("PANEL \"" + name78 + "N\" TFT 320 240"));
    EXPECT_FALSE(ParsePanelLine("PANEL Unquoted TFT 320 240"));
    EXPECT_FALSE(ParsePanelLine("PANEL \"Unclosed TFT 320 240\n"));
    // The name is whatever follows the first quote, even after other text.
    EXPECT_EQ(Parse("PANEL x\"Q\"TFT 320").name, "Q");
    EXPECT_EQ(Parse("PANEL x\"Q\"TFT 320").type, kPanelTft);
    EXPECT_EQ(Parse("PANEL \"\" TFT 320").name, "");
}

TEST(PanelDefParser, TypeTokenIsTheFirstNameItBegins) {
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"STN", kPanelStn},    {"TF", kPanelTft},         {"HR-TFT", kPanelHrTft},
        {"HR", kPanelHrTft},   {"HR-TFT2", kPanelHrTft2}, {"D-TFD", kPanelDTfd},
        {"D", kPanelDTfd},     {"tft", kNotGiven},        {"STN2", kNotGiven},
        {"HR-TFT3", kNotGiven}};
    for (const auto& [token, type] : cases) {
        EXPECT_EQ(Parse(Line(token)).type, type) << token;
    }
}

TEST(PanelDefParser, FlagLetters) {
    struct Case {
        std::string_view token;
        std::int32_t triState, dataFormat, polarity;
    };
    static const Case cases[] = {
        {"T", 1, kNotGiven, kNotGiven},
        {"1", 1, 0, kNotGiven},
        {"F", 0, kNotGiven, kNotGiven},
        {"0", 0, kNotGiven, kNotGiven},
        {"2", kNotGiven, 1, kNotGiven},
        {"H", kNotGiven, kNotGiven, 1},
        {"L", kNotGiven, kNotGiven, 0},
        {"n", kNotApplicable, kNotApplicable, kNotApplicable},
        {"N", kNotGiven, kNotGiven, kNotGiven},
        {"true", kNotGiven, kNotGiven, kNotGiven},
        {"False", 0, kNotGiven, kNotGiven},
        {"h", kNotGiven, kNotGiven, kNotGiven},
    };
    for (const Case& c : cases) {
        const std::string t(c.token);
        const PanelDef def = Parse("PANEL \"F\" TFT 320 240 " + t + " 18 " + t + " " + t + " " + t +
                                   " " + t + " 6000 400 5 250 2 0 2 " + t + " 0 1 " + t + " " + t);
        for (std::int32_t value : {def.el, def.tft2x, def.color, def.dual, def.spareFlag}) {
            EXPECT_EQ(value, c.triState) << c.token;
        }
        EXPECT_EQ(def.dataFormat, c.dataFormat) << c.token;
        EXPECT_EQ(def.linePol, c.polarity) << c.token;
        EXPECT_EQ(def.framePol, c.polarity) << c.token;
    }
}

TEST(PanelDefParser, Numbers) {
    const PanelDef def = Parse("PANEL \"N\" TFT -5 +7 F 18 F 1 T F 6000x 400 n 250 nope ab 2 L");
    EXPECT_EQ(def.width, -5);
    EXPECT_EQ(def.height, 7);
    EXPECT_EQ(def.pclkKHz, 6000);
    // The start positions take n as 0; elsewhere a token without a number
    // is 0 as well.
    EXPECT_EQ(def.hStart, 0);
    EXPECT_EQ(def.vStart, 0);
    EXPECT_EQ(def.lineStart, 0);
    // A number that does not fit 32 bits is no number.
    const PanelDef limits = Parse("PANEL \"N\" TFT 2147483647 -2147483648");
    EXPECT_EQ(limits.width, 2147483647);
    EXPECT_EQ(limits.height, -2147483647 - 1);
    const PanelDef beyond = Parse("PANEL \"N\" TFT 2147483648 99999999999999999999");
    EXPECT_EQ(beyond.width, 0);
    EXPECT_EQ(beyond.height, 0);
}

TEST(PanelDefParser, MissingFieldsAreNotGivenAndTheLineEndIsNoToken) {
    const PanelDef onlyName = Parse("PANEL \"Short\"\n");
    EXPECT_EQ(onlyName.type, 0);
    EXPECT_EQ(onlyName.pclkKHz, 0);
    const PanelDef cut = Parse("PANEL \"Cut\" TFT 320 240 F 18\r\n");
    EXPECT_EQ(cut.dataWidth, 18);
    EXPECT_EQ(cut.tft2x, kNotGiven);
    EXPECT_EQ(cut.dataFormat, kNotGiven);
    EXPECT_EQ(cut.linePol, kNotGiven);
    EXPECT_EQ(cut.hTotal, 0);
    const PanelDef ended =
        Parse("PANEL \"E\" TFT 320 240 F 18 F 1 T F 6000 400 5 250 2 0 2 L 0 1 n\r\n");
    EXPECT_EQ(ended.framePol, kNotApplicable);
    EXPECT_EQ(ended.spareFlag, kNotGiven);
}

// The PANEL keyword is checked through the list tests.
TEST(PanelDefParser, VersionKeywordIsCaseAndSpaceExact) {
    EXPECT_EQ(ParseVersionLine("VERSION 2\n"), 2);
    EXPECT_EQ(ParseVersionLine("VERSION  -3"), -3);
    EXPECT_FALSE(ParseVersionLine("VERSION2"));
    EXPECT_FALSE(ParseVersionLine("version 2"));
    EXPECT_FALSE(ParseVersionLine("VERSION two"));
}

} // namespace
} // namespace k7r::panels
