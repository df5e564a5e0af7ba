#include "panels/panel_def.h"
#include "panels/panel_def_matches.h"
#include "panels/qualification.h"
#include "tests/panels/qvga_tft.h"

#include <gtest/gtest.h>

namespace k7r::panels {
namespace {

PanelDef Drivable() {
    PanelDef def = test::QvgaTft();
    def.tft2x = def.dual = 0;
    return def;
}

TEST(Qualification, OnlyWhatCannotBeDrivenIsDisqualifiedWithEveryReason) {
    PanelDef def = Drivable();
    EXPECT_FALSE(DisqualifyPanel(def));
    def.el = kNotGiven;
    def.tft2x = kNotApplicable;
    def.dual = kNotGiven;
    EXPECT_FALSE(DisqualifyPanel(def));
    // The memory limit is 112K; 65536 x 65536 would wrap around to 0 in 32 bits.
    def = Drivable();
    def.width = 1024;
    def.height = 896;
    EXPECT_FALSE(DisqualifyPanel(def));
    for (const std::int32_t side : {1024, 65536}) {
        def.width = def.height = side;
        EXPECT_EQ(DisqualifyPanel(def), "Test TFT is disqualified: requires more than 112K.\n");
    }
    // Without timings the type is not mentioned: the missing timings say it all.
    def = Drivable();
    def.name = "Mystery 240";
    def.pclkKHz = 0;
    def.type = kPanelDTfd;
    EXPECT_EQ(DisqualifyPanel(def), "There is no information on Mystery 240 in DEBUG.DEF.\n");
    // Every reason, in order.
    def = Drivable();
    def.type = kPanelDTfd;
    EXPECT_EQ(DisqualifyPanel(def), "Test TFT is disqualified: it is a D-TFD.\n");
    def.width = 2048;
    def.height = 1024;
    def.el = 1;
    def.tft2x = 1;
    def.dual = 1;
    EXPECT_EQ(
        DisqualifyPanel(def),
        "Test TFT is disqualified: it is a D-TFD; requires more than 112K; it is an EL; needs "
        "support for TFT 2x; it is a Dual panel.\n");
    def = Drivable();
    def.tft2x = 1;
    def.dual = 1;
    EXPECT_EQ(DisqualifyPanel(def),
              "Test TFT is disqualified: needs support for TFT 2x; it is a Dual panel.\n");
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
