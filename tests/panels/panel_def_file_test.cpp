#include "panels/panel_def_list.h"
#include "panels/panel_def_parser.h"
#include "tests/support/test_files.h"
#include "tests/support/transcript.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace k7r::panels {
namespace {

constexpr std::string_view kQvga =
    "PANEL \"QVGA TFT\" TFT 320 240 F 18 F n T F 6250 400 40 260 16 8 24 L 4 2 L n 0 0\n";
constexpr std::string_view kDtfd =
    "PANEL \"Old D-TFD\" D-TFD 320 240 F 8 F n T F 6250 400 40 260 16 8 24 L 4 2 L n 0 0\n";
constexpr std::string_view kNoTimings =
    "PANEL \"Unknown 160\" STN 160 160 F 4 F n F F 0 0 0 0 0 0 0 n 0 0 n n 0 0\n";

class PanelDefListTest : public ::testing::Test {
  protected:
    void Write(const std::string& name, std::string_view text) {
        test::WriteText(directory_ + "/" + name, text);
    }

    PanelDefList Load() {
        PanelDefList list;
        list.LoadFromDirectory(directory_, Show());
        return list;
    }

    ShowError Show() {
        return [this](const std::string& text) { messages_.push_back(text); };
    }

    const std::string directory_ = test::ScratchDirectory();
    std::vector<std::string> messages_;
};

// No file gives an unloaded list; an empty one, or one of lookalike
// keywords, a loaded list without entries (only the empty file lacks the
// VERSION line). None says anything.
TEST_F(PanelDefListTest, NoFileOrNoEntriesGiveAnEmptyListSilently) {
    EXPECT_FALSE(Load().Loaded());
    const std::pair<const char*, bool> files[] = {
        {"", false},
        {"; our panels\n\nVERSION 2\nPANEL\"QVGA\" TFT 320 240\n"
         "panel \"QVGA\" TFT 320 240\n  PANEL \"QVGA\" TFT 320 240\n",
         true}};
    for (const auto& [text, hasVersion] : files) {
        Write("PANELS.DEF", text);
        const PanelDefList list = Load();
        EXPECT_TRUE(list.Loaded()) << text;
        EXPECT_EQ(list.Count(), 0u) << text;
        EXPECT_EQ(list.VersionMessage().empty(), hasVersion) << text;
    }
    EXPECT_TRUE(messages_.empty());
}

// A list loads only once: a debug file written later is not seen by it.
TEST_F(PanelDefListTest, DebugFileWinsAndKeepsDisqualifiedPanels) {
    Write("PANELS.DEF", "VERSION 2\n" + std::string(kQvga));
    PanelDefList once;
    once.LoadFromDirectory(directory_, Show());
    Write("DEBUG.DEF",
          "VERSION 3\n" + std::string(kDtfd) + std::string(kNoTimings) + std::string(kQvga));
    once.LoadFromDirectory(directory_, Show());
    EXPECT_FALSE(once.DebugMode());
    EXPECT_EQ(once.Count(), 1u);
    const PanelDefList list = Load();
    EXPECT_TRUE(list.DebugMode());
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_TRUE(list.At(0).disqualified);
    EXPECT_TRUE(list.At(1).disqualified);
    EXPECT_FALSE(list.At(2).disqualified);
    EXPECT_EQ(list.VersionMessage(),
              "ERROR: Version 2 of DEBUG.DEF is required (you are currently using version 3).\n");
}

TEST_F(PanelDefListTest, BadNameRejectsTheWholeFile) {
    for (const char* name : {"PANELS.DEF", "DEBUG.DEF"}) {
        messages_.clear();
        Write(name, std::string(kQvga) + "PANEL \"" + std::string(79, 'x') + "\" TFT\n" +
                        std::string(kQvga));
        const PanelDefList list = Load();
        EXPECT_FALSE(list.Loaded());
        EXPECT_EQ(list.Count(), 0u);
        EXPECT_EQ(list.VersionMessage(), "");
        EXPECT_EQ(messages_, std::vector<std::string>{"Invalid PANELS.DEF"});
    }
}

TEST_F(PanelDefListTest, EntriesBeyondTheHundredthAreIgnored) {
    std::string text = "VERSION 2\n";
    for (int i = 0; i < 105; ++i) {
        text += std::string(kQvga).replace(7, 8, "Panel " + std::to_string(i));
    }
    Write("PANELS.DEF", text);
    const PanelDefList list = Load();
    ASSERT_EQ(list.Count(), 100u);
    EXPECT_EQ(list.At(99).name, "Panel 99");
    EXPECT_TRUE(messages_.empty());
}

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
