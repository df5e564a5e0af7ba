#include "panels/panel_def.h"

#include <gtest/gtest.h>

namespace k7r {
namespace {

// An entry as a file gives it and the same panel as the settings describe it.
PanelDef Entry() {
    PanelDef def;
    def.type = kPanelTft;
    def.width = 320;
    def.height = 240;
    def.el = 0;
    def.dataWidth = 18;
    def.tft2x = 0;
    def.dataFormat = kNotApplicable;
    def.color = 1;
    def.dual = 0;
    def.pclkKHz = 6250;
    def.hTotal = 400;
    def.hStart = 40;
    def.vTotal = 260;
    def.vStart = 16;
    def.lineStart = 8;
    def.lineWidth = 24;
    def.linePol = 0;
    def.frameStart = 4;
    def.frameWidth = 2;
    def.framePol = 0;
    def.spareFlag = 0;
    return def;
}

PanelDef Settings() {
    PanelDef def = Entry();
    def.el = 0;
    def.tft2x = kNotApplicable;
    def.dataFormat = 0;
    def.dual = kNotApplicable;
    def.spareFlag = kNotApplicable;
    def.spare1 = kNotApplicable;
    def.spare2 = kNotApplicable;
    return def;
}

TEST(PanelDefMatches, SameTimingsMatchAndOpenMembersMatchAnything) {
    EXPECT_TRUE(PanelDefMatches(Entry(), Settings()));
    PanelDef entry = Entry();
    entry.hTotal = -1;
    entry.linePol = kNotGiven;
    entry.color = kNotGiven;
    EXPECT_TRUE(PanelDefMatches(entry, Settings()));
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

TEST(PanelDefMatches, LineStartMayCountFromTheDisplayPeriodsEnd) {
    PanelDef settings = Settings();
    settings.lineStart = 8 + 40 + 320;
    EXPECT_TRUE(PanelDefMatches(Entry(), settings));
    settings.lineStart = 9 + 40 + 320;
    EXPECT_FALSE(PanelDefMatches(Entry(), settings));
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
} // namespace k7r
