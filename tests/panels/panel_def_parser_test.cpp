#include "panels/panel_def_parser.h"
#include "tests/support/transcript.h"

#include <gtest/gtest.h>

#include <string>

namespace k7r::panels {
namespace {

// The members in the order of a file line's fields from the type on.
std::int32_t PanelDef::*const kMembers[] = {
    &PanelDef::type,      &PanelDef::width,      &PanelDef::height,     &PanelDef::el,
    &PanelDef::dataWidth, &PanelDef::tft2x,      &PanelDef::dataFormat, &PanelDef::color,
    &PanelDef::dual,      &PanelDef::pclkKHz,    &PanelDef::hTotal,     &PanelDef::hStart,
    &PanelDef::vTotal,    &PanelDef::vStart,     &PanelDef::lineStart,  &PanelDef::lineWidth,
    &PanelDef::linePol,   &PanelDef::frameStart, &PanelDef::frameWidth, &PanelDef::framePol,
    &PanelDef::spareFlag, &PanelDef::spare1,     &PanelDef::spare2};

std::string Fields(const std::optional<PanelDef>& def) {
    if (!def) {
        return "rejected";
    }
    std::string text = "\"" + def->name + "\"";
    for (std::int32_t PanelDef::*member : kMembers) {
        const std::int32_t value = (*def).*member;
        text += ' ';
        text += value == kNotGiven ? "?" : value == kNotApplicable ? "n" : std::to_string(value);
    }
    return text;
}

// Each "$ " line of the golden file, parsed, is followed by its fields.
TEST(PanelDefParser, LinesGiveTheFieldsOfTheGoldenFile) {
    test::ExpectTranscriptHolds(
        K7R_SOURCE_DIR "/tests/panels/golden/lines.txt",
        [](const std::string& line) { return Fields(ParsePanelLine(line)) + "\n"; });
}

// Beyond what a golden line holds: a tab belongs to the token ("320\t240" is
// the width, and every later field shifts one place to the left), and the
// line end is no token.
TEST(PanelDefParser, TabsAndLineEndsAreNoSeparatorsAndVersionIsExact) {
    EXPECT_EQ(Fields(ParsePanelLine("PANEL \"T\" STN 320\t240 F 4")),
              "\"T\" 1 320 0 ? 0 ? ? ? ? 0 0 0 0 0 0 0 ? 0 0 ? ? 0 0");
    EXPECT_EQ(Fields(ParsePanelLine("PANEL \"Cut\" TFT 320 240 F 18\r\n")),
              "\"Cut\" 2 320 240 0 18 ? ? ? ? 0 0 0 0 0 0 0 ? 0 0 ? ? 0 0");
    EXPECT_EQ(Fields(ParsePanelLine(
                  "PANEL \"E\" TFT 320 240 F 18 F 1 T F 6000 400 5 250 2 0 2 L 0 1 n\r\n")),
              "\"E\" 2 320 240 0 18 0 0 1 0 6000 400 5 250 2 0 2 0 0 1 n ? 0 0");
    // The PANEL keyword is checked through the list tests.
    EXPECT_EQ(ParseVersionLine("VERSION 2\n"), 2);
    EXPECT_EQ(ParseVersionLine("VERSION  -3"), -3);
    EXPECT_FALSE(ParseVersionLine("VERSION2"));
    EXPECT_FALSE(ParseVersionLine("version 2"));
    EXPECT_FALSE(ParseVersionLine("VERSION two"));
}

} // namespace
} // namespace k7r::panels
