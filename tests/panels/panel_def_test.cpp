#include "panels/panel_def.h"
#include "panels/panel_def_list.h"
#include "panels/panel_def_matches.h"
#include "panels/panel_def_parser.h"
#include "panels/qualification.h"
#include "tests/panels/qvga_tft.h"
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

// An entry as a file gives it and the same panel as the settings describe it,
// each leaving open some members the other gives.
PanelDef Entry() {
    PanelDef def = test::QvgaTft();
    def.tft2x = def.dual = def.spareFlag = 0;
    def.dataFormat = kNotApplicable;
    return def;
}

PanelDef Settings() {
    PanelDef def = test::QvgaTft();
    def.dataFormat = 0;
    def.tft2x = def.dual = def.spareFlag = def.spare1 = def.spare2 = kNotApplicable;
    return def;
}

TEST(Qualification, OnlyWhatCannotBeDrivenIsDisqualifiedWithEveryReason) {
    PanelDef def = Entry();
    EXPECT_FALSE(DisqualifyPanel(def));
    def.el = kNotGiven;
    def.tft2x = kNotApplicable;
    def.dual = kNotGiven;
    EXPECT_FALSE(DisqualifyPanel(def));
    // The memory limit is 112K; 65536 x 65536 would wrap around to 0 in 32 bits.
    def = Entry();
    def.width = 1024;
    def.height = 896;
    EXPECT_FALSE(DisqualifyPanel(def));
    for (const std::int32_t side : {1024, 65536}) {
        def.width = def.height = side;
        EXPECT_EQ(DisqualifyPanel(def), "Test TFT is disqualified: requires more than 112K.\n");
    }
    // Without timings the type is not mentioned: the missing timings say it all.
    def = Entry();
    def.name = "Mystery 240";
    def.pclkKHz = 0;
    def.type = kPanelDTfd;
    EXPECT_EQ(DisqualifyPanel(def), "There is no information on Mystery 240 in DEBUG.DEF.\n");
    // Every reason, in order.
    def = Entry();
    def.type = kPanelDTfd;
    EXPECT_EQ(DisqualifyPanel(def), "Test TFT is disqualified: it is a D-TFD.\n");
    def.width = 2048;
    def.height = 1024;
    def.el = def.tft2x = def.dual = 1;
    EXPECT_EQ(
        DisqualifyPanel(def),
        "Test TFT is disqualified: it is a D-TFD; requires more than 112K; it is an EL; needs "
        "support for TFT 2x; it is a Dual panel.\n");
    def = Entry();
    def.tft2x = def.dual = 1;
    EXPECT_EQ(DisqualifyPanel(def),
              "Test TFT is disqualified: needs support for TFT 2x; it is a Dual panel.\n");
}

TEST(PanelDefMatches, SameTimingsMatchOpenMembersMatchAnythingStnIgnoresPulses) {
    EXPECT_TRUE(PanelDefMatches(Entry(), Settings()));
    PanelDef entry = Entry();
    entry.hTotal = -1;
    entry.linePol = kNotGiven;
    entry.color = kNotGiven;
    EXPECT_TRUE(PanelDefMatches(entry, Settings()));
    // The line pulse may also count from the end of the display period.
    PanelDef settings = Settings();
    settings.lineStart = 8 + 40 + 320;
    EXPECT_TRUE(PanelDefMatches(Entry(), settings));
    settings.lineStart = 9 + 40 + 320;
    EXPECT_FALSE(PanelDefMatches(Entry(), settings));
    // STN panels ignore the pulses.
    entry = Entry();
    entry.type = settings.type = kPanelStn;
    settings.lineStart = 999;
    settings.lineWidth = 1;
    settings.frameStart = 7;
    settings.frameWidth = 9;
    EXPECT_TRUE(PanelDefMatches(entry, settings));
    settings.hStart = 22;
    EXPECT_FALSE(PanelDefMatches(entry, settings));
    // Every compared member counts.
    std::int32_t PanelDef::*const members[] = {
        &PanelDef::type,       &PanelDef::width,      &PanelDef::height,    &PanelDef::dataWidth,
        &PanelDef::pclkKHz,    &PanelDef::hTotal,     &PanelDef::hStart,    &PanelDef::vTotal,
        &PanelDef::vStart,     &PanelDef::lineStart,  &PanelDef::lineWidth, &PanelDef::linePol,
        &PanelDef::frameStart, &PanelDef::frameWidth, &PanelDef::framePol,  &PanelDef::color,
    };
    for (std::int32_t PanelDef::*member : members) {
        settings = Settings();
        settings.*member += 1;
        EXPECT_FALSE(PanelDefMatches(Entry(), settings));
    }
}

} // namespace
} // namespace k7r::panels
