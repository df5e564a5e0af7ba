#include "panels/panel_def.h"
#include "panels/panel_def_matches.h"
#include "tests/panels/qvga_tft.h"

#include <gtest/gtest.h>

namespace k7r::panels {
namespace {

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

TEST(PanelDefMatches, SameTimingsMatchAndOpenMembersMatchAnything) {
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
}

TEST(PanelDefMatches, EveryComparedMemberCounts) {
    std::int32_t PanelDef::*const members[] = {
        &PanelDef::type,       &PanelDef::width,      &PanelDef::height,    &PanelDef::dataWidth,
        &PanelDef::pclkKHz,    &PanelDef::hTotal,     &PanelDef::hStart,    &PanelDef::vTotal,
        &PanelDef::vStart,     &PanelDef::lineStart,  &PanelDef::lineWidth, &PanelDef::linePol,
        &PanelDef::frameStart, &PanelDef::frameWidth, &PanelDef::framePol,  &PanelDef::color,
    };
    for (std::int32_t PanelDef::*member : members) {
        PanelDef settings = Settings();
        settings.*member += 1;
        EXPECT_FALSE(PanelDefMatches(Entry(), settings));
    }
}

TEST(PanelDefMatches, StnPanelsIgnoreThePulses) {
    PanelDef entry = Entry();
    entry.type = kPanelStn;
    PanelDef settings = Settings();
    settings.type = kPanelStn;
    settings.lineStart = 999;
    settings.lineWidth = 1;
    settings.frameStart = 7;
    settings.frameWidth = 9;
    EXPECT_TRUE(PanelDefMatches(entry, settings));
    settings.hStart = 22;
    EXPECT_FALSE(PanelDefMatches(entry, settings));
}

} // namespace
} // namespace k7r::panels
