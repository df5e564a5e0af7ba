// The Panel page's rules: panel type and power pin family, the feature
// editors and the pixel clock. The predefined panels are the page's test.
#include "edit/rules/panel_features.h"
#include "edit/rules/panel_rules.h"
#include "tests/edit/edit_fixture.h"

#include <algorithm>

namespace k7r::edit {
namespace {

using PanelPage = EditTest;

constexpr std::uint32_t kTft = 1;

TEST_F(PanelPage, HorizontalDisplayPeriodIsRoundedUpByPanelType) {
    constexpr std::string_view kRounded =
        "NOTE: The value was rounded up to the closest allowable value.\n";
    const struct {
        std::uint32_t basicPanelType;
        std::string_view text;
        std::uint32_t stored;
        std::string_view message;
    } kCases[] = {
        {0, "244", 256, kRounded},
        {1, "244", 248, kRounded},
        {0, "240", 240, ""},
        {1, "248", 248, ""},
        {3, "1017", 1024, kRounded},
        {0, "2000", 320,
         "ERROR: \"2000\" is not a valid Horz Disp Period (must be between 32 and 1024)!\n"},
    };
    for (const auto& c : kCases) {
        EditSession fresh(TemplateRecord, noPanels);
        regs::SetFieldValue(fresh.config, regs::kIdBasicPanelType, c.basicPanelType);
        const EditResult result = LeaveFeatureDropDown(fresh, regs::kIdHorzDisplay, c.text);
        EXPECT_EQ(result.shown, std::to_string(c.stored)) << c.text;
        EXPECT_EQ(regs::GetFieldValue(fresh.config, regs::kIdHorzDisplay), c.stored) << c.text;
        EXPECT_EQ(result.message, c.message) << c.text;
        EXPECT_EQ(result.accepted(), !c.message.starts_with("ERROR")) << c.text;
    }
}

TEST_F(PanelPage, NumberEditorsClampWithTheNote) {
    const EditResult clamped = LeaveFeatureNumber(session, regs::kIdHorzTotal, "2000");
    EXPECT_EQ(clamped.message,
              "NOTE: The Horizontal Total was set to the closest allowable value.\n");
    EXPECT_EQ(clamped.shown, "1024");
    // Within the bounds the field's value is written as the engine stores it.
    EXPECT_EQ(LeaveFeatureNumber(session, regs::kIdHorzTotal, "100").message, "");
    EXPECT_EQ(Get(regs::kIdHorzTotal), 96u);
    EXPECT_EQ(LeaveFeatureNumber(session, regs::kIdHorzTotal, "?").message,
              "ERROR: \"?\" is not a valid Horz Total!\n");
    EXPECT_EQ(ChooseFeatureItem(session, regs::kIdFplinePol, std::nullopt).message,
              "ERROR: \"\" is not a valid FPLINE Pol!\n");
    EXPECT_EQ(ChooseFeatureItem(session, regs::kIdFplinePol, 2).hint,
              "Allowed values: Active Low (0), Active High (1).");
}

// From GPIO power (TFT) to GPO power (STN) and back.
TEST_F(PanelPage, PanelTypeMovesPowerToItsPinFamily) {
    Set(regs::kIdPanelType, kTft);
    Set(regs::kIdGpoPowerMask, 0);
    Set(regs::kIdGpioPowerMask, 0x04); // GPIO2
    EXPECT_TRUE(ChoosePanelType(session, 0).changed);
    EXPECT_EQ(Get(regs::kIdGpoPowerMask), 1u);

    EXPECT_EQ(ChoosePanelType(session, kTft).message, "");
    EXPECT_EQ(Get(regs::kIdGpioPowerMask), 1u);

    // GPO pin 8 has no GPIO twin: a conflicting GPIO pin is given up.
    ChoosePanelType(session, 0);
    Set(regs::kIdGpoPowerMask, 0x100);
    Set(regs::kIdGpioPowerMask, 0x20);
    EXPECT_EQ(ChoosePanelType(session, kTft).message,
              "Warning: GPIO Power was disabled because of a clock chip or USB conflict.\n");
    EXPECT_EQ(Get(regs::kIdGpioPowerMask), 0u);
}

// The list offers each type once: the second HR-TFT value is not offered.
TEST_F(PanelPage, PanelTypeListOffersEachTypeOnce) {
    const EditResult refused = ChoosePanelType(session, 3);
    EXPECT_FALSE(refused.accepted());
    EXPECT_EQ(refused.hint, "Allowed values: STN (0), TFT (1), HR-TFT (2), TFT Type 2 (4), "
                            "TFT Type 3 (5), TFT Type 4 (6), Casio TFT (7).");
    EXPECT_TRUE(ChoosePanelType(session, 7).changed);
    EXPECT_FALSE(ChoosePanelType(session, 7).changed);
}

// A register the table lacks: every editor of its features is refused, so
// the page can say so before anything is typed.
TEST_F(PanelPage, FeatureWithoutARegisterEntryIsRefusedAhead) {
    session.config.Record.Regs[session.config.FindRegisterEntry(0x20)].Index = 0x18; // Horz Total
    const std::optional<std::string> refusal = FeatureRefusal(session, regs::kIdHorzTotal);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, LeaveFeatureNumber(session, regs::kIdHorzTotal, "400").message);
    EXPECT_EQ(*refusal, MoveFeatureNumber(session, regs::kIdHorzTotal, 400).message);
    EXPECT_EQ(FeatureRefusal(session, regs::kIdVertTotal), std::nullopt);
}

TEST_F(PanelPage, PixelClockLineSetsTheDivideWhileAutomatic) {
    EXPECT_TRUE(ChoosePixelClock(session, 1).changed);
    EXPECT_EQ(Get(regs::kIdPclkDivide), 2u);
    EXPECT_EQ(ChoosePixelClock(session, 1).shown, "25.000   (50.000/2)");
    Set(regs::kIdAutoPclkDivide, 0);
    EXPECT_FALSE(ChoosePixelClock(session, 0).changed);
    EXPECT_EQ(Get(regs::kIdPclkDivide), 2u);
}

// Every row of the feature table listed for exactly its panel types.
TEST(PanelFeatures, RowsAndTheirPanelTypes) {
    // 14 rows for every type, plus 1 for STN, 8 for HR-TFT, 5 for type 4,
    // 31 for type 5 and 4 for type 7.
    const std::ptrdiff_t expected[8] = {15, 14, 22, 14, 19, 45, 14, 18};
    for (std::uint32_t type = 0; type < 8; ++type) {
        const auto listed = [type](const Feature& feature) { return ListedFor(feature, type); };
        EXPECT_EQ(std::ranges::count_if(Features(), listed), expected[type]) << type;
    }
    EXPECT_EQ(FindFeature(67)->step, 8u);
    EXPECT_EQ(FindFeature(136)->step, 2u);
    EXPECT_EQ(FindFeature(74)->editor, FeatureEditor::DropDown);
    EXPECT_EQ(FindFeature(79), nullptr);
}

} // namespace
} // namespace k7r::edit
