#include "panels/panel_def_list.h"
#include "tests/support/test_files.h"

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

} // namespace
} // namespace k7r::panels
