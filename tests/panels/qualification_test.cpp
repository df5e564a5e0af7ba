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

TEST(Qualification, OnlyWhatCannotBeDrivenIsDisqualified) {
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
}

TEST(Qualification, EveryReasonInOrder) {
    PanelDef def = Drivable();
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

} // namespace
} // namespace k7r::panels
