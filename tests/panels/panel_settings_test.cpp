#include "panels/panel_settings.h"

#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"
#include "regs/validation.h"
#include "tests/panels/qvga_tft.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>

namespace k7r::panels {
namespace {

PanelDefList Load(const std::string& path) {
    PanelDefList list;
    list.LoadFile(path, [](const std::string& message) { ADD_FAILURE() << message; });
    return list;
}

// A list read from the given text, saved under the given file name.
PanelDefList LoadText(const std::string& text, const std::string& name) {
    const std::string path = test::ScratchDirectory() + "/" + name;
    test::WriteText(path, text);
    return Load(path);
}

constexpr std::string_view kQvgaTimings =
    "\" TFT 320 240 F 18 F n T F 6250 400 40 262 18 8 24 L 4 2 L n 0 0\n";

class PanelSettingsTest : public ::testing::Test {
  protected:
    config::WorkingConfig config{TemplateRecord};
    const PanelDefList list = Load(K7R_SOURCE_DIR "/panels/PANELS.DEF");
};

// The shipped file drops its D-TFD entry; every other panel is drivable.
TEST_F(PanelSettingsTest, EveryShippedPanelMatchesBackAndValidates) {
    EXPECT_EQ(list.VersionMessage(), "");
    ASSERT_EQ(list.Count(), 13u);
    for (std::size_t index = 0; index < list.Count(); ++index) {
        const PanelDef& def = list.At(index);
        config::WorkingConfig panel(TemplateRecord);
        // Enough memory for the largest panels, so that only the timings
        // are judged.
        regs::SetFieldValue(panel, regs::kIdBitsPerPixel,
                            def.width * def.height > 320 * 240 ? 4 : 8);
        const PanelApplication application = ApplyPredefinedPanel(panel, def);
        EXPECT_TRUE(application.applied) << def.name;
        EXPECT_EQ(application.report, "") << def.name;
        EXPECT_EQ(MatchPredefinedPanel(panel, list, std::nullopt), index) << def.name;
        EXPECT_EQ(regs::GetFieldValue(panel, regs::kIdPixelClock),
                  std::uint32_t(def.pclkKHz) * 1000)
            << def.name;
        EXPECT_EQ(regs::ValidateErrors(panel, 4096), "") << def.name;
        // The chip reserves the bit that selects the wide HR-TFT resolution,
        // so validation notes it whenever such a panel is chosen.
        const bool wideHrTft = regs::GetFieldValue(panel, regs::kIdHrTftResolution) == 1;
        EXPECT_EQ(regs::ValidateWarnings(panel, 4096),
                  wideHrTft ? "Warning: REG[0Ch] bit 3 set, but should be RESERVED.\n" : "")
            << def.name;
    }
}

// A changed timing is a custom panel until changed back; of two entries that
// describe the same settings the one chosen before stays; an entry kept only
// because this is DEBUG.DEF (the same timings on an EL panel) never matches.
TEST_F(PanelSettingsTest, MatchingPrefersThePreviousSelectionAndSkipsTheDisqualified) {
    const std::size_t qvga = 0;
    ApplyPredefinedPanel(config, list.At(qvga));
    ASSERT_EQ(MatchPredefinedPanel(config, list, qvga), qvga);
    const std::uint32_t total = regs::GetFieldValue(config, regs::kIdVertTotal);
    regs::SetFieldValue(config, regs::kIdVertTotal, total + 1);
    EXPECT_EQ(MatchPredefinedPanel(config, list, qvga), std::nullopt);
    regs::SetFieldValue(config, regs::kIdVertTotal, total);
    EXPECT_EQ(MatchPredefinedPanel(config, list, std::nullopt), qvga);

    const PanelDefList twins = LoadText("PANEL \"First" + std::string(kQvgaTimings) +
                                            "PANEL \"Second" + std::string(kQvgaTimings),
                                        "twins.def");
    ASSERT_EQ(twins.Count(), 2u);
    ApplyPredefinedPanel(config, twins.At(1));
    EXPECT_EQ(MatchPredefinedPanel(config, twins, 1), 1u);
    EXPECT_EQ(MatchPredefinedPanel(config, twins, std::nullopt), 0u);

    const PanelDefList debug =
        LoadText("PANEL \"EL" + std::string(kQvgaTimings).replace(14, 1, "T") + "PANEL \"TFT" +
                     std::string(kQvgaTimings),
                 "DEBUG.DEF");
    ASSERT_EQ(debug.Count(), 2u);
    ASSERT_TRUE(debug.At(0).disqualified);
    EXPECT_EQ(MatchPredefinedPanel(config, debug, 0), 1u);
    EXPECT_EQ(MatchPredefinedPanel(config, PanelDefList{}, std::nullopt), std::nullopt);
}

TEST_F(PanelSettingsTest, HrTftResolutionFollowsTheWidthAndStartsAreRaised) {
    PanelDef def = test::QvgaTft();
    def.type = kPanelHrTft2;
    ApplyPredefinedPanel(config, def);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdPanelType), 2u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdHrTftResolution), 1u);
    def.type = kPanelHrTft;
    def.width = 160;
    def.height = 160;
    ApplyPredefinedPanel(config, def);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdHrTftResolution), 0u);
    // A TFT of width 320 is no HR-TFT.
    ApplyPredefinedPanel(config, test::QvgaTft());
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdPanelType), 1u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdHrTftResolution), 0u);
    // Start positions below their bound are raised.
    def = test::QvgaTft();
    def.hStart = 2;
    ApplyPredefinedPanel(config, def);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdHorzStart),
              regs::GetFieldMin(config, regs::kIdHorzStart));
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdHorzStart), 5u);
    def.type = kPanelStn;
    def.dataWidth = 8;
    def.hStart = 0;
    ApplyPredefinedPanel(config, def);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdHorzStart), 22u);
}

// The template divides CLKI2 (50 MHz): 12.5 MHz is its 4:1 line, and
// 25.175 MHz moves CLKI2.
TEST_F(PanelSettingsTest, PixelClockDividesClki2MovesItOrIsReported) {
    PanelApplication application = ApplyPredefinedPanel(config, test::QvgaTft(12500));
    EXPECT_EQ(application.pixelClockLine, 3u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdClkI2), 50000000u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdPclkDivideRaw), 3u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdPixelClock), 12500000u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdFrameRate), 12500000u / (400 * 262));

    application = ApplyPredefinedPanel(config, test::QvgaTft(25175));
    EXPECT_EQ(application.report, "");
    EXPECT_EQ(application.pixelClockLine, 0u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdClkI2), 25175000u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdPixelClock), 25175000u);
    // The new CLKI2 is the pixel clock itself: no divide, automatic or not.
    for (const std::uint32_t id :
         {regs::kIdAutoPclkDivide, regs::kIdAutoMclkDivide, regs::kIdPclkDivideRaw}) {
        EXPECT_EQ(regs::GetFieldValue(config, id), 0u) << id;
    }
    config = config::WorkingConfig(TemplateRecord);
    // CLKI2 also drives the PWM clock, so it may not be changed.
    regs::SetFieldValue(config, regs::kIdPwmSource, 1);
    application = ApplyPredefinedPanel(config, test::QvgaTft(25175));
    EXPECT_TRUE(application.applied);
    EXPECT_EQ(application.report, "Could not change pixel clock to \"25.175\"\n.");
    EXPECT_EQ(application.pixelClockLine, std::nullopt);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdClkI2), 50000000u);
    // Everything else is applied.
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdHorzTotal), 400u);
    EXPECT_EQ(regs::GetFieldValue(config, regs::kIdVertStart), 18u);
    EXPECT_EQ(ApplyPredefinedPanel(config, test::QvgaTft(3000)).report,
              "Could not change pixel clock to \" 3.000\"\n.");
    // A disqualified panel changes nothing.
    PanelDef def = test::QvgaTft();
    def.width = 640;
    def.disqualified = true;
    def.reason = "Test TFT is disqualified: it is a Dual panel.\n";
    const HAL_STRUCT before = config.Record;
    const PanelApplication refused = ApplyPredefinedPanel(config, def);
    EXPECT_FALSE(refused.applied);
    EXPECT_EQ(refused.report, def.reason);
    EXPECT_EQ(std::memcmp(&before, &config.Record, sizeof before), 0);
}

} // namespace
} // namespace k7r::panels
