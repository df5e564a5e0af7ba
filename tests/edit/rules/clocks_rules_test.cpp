// The Clocks page's rules, with its exact texts.
#include "edit/rules/clocks_rules.h"
#include "hal/clock_synth.h"
#include "regs/clock_tree.h"
#include "tests/edit/edit_fixture.h"

namespace k7r::edit {
namespace {

using ClocksPage = EditTest;

TEST_F(ClocksPage, InputClocksAreMegahertzFrom0391To120) {
    const struct {
        std::string_view text;
        bool accepted;
        std::uint32_t hz;
        std::string_view shown;
    } kCases[] = {
        {"25.175", true, 25175000, "25.175"}, {"120", true, 120000000, "120.000"},
        {"0.391", true, 391000, "0.391"},     {" 6.0004", true, 6000000, "6.000"},
        {"0.390", false, 0, "50.000"},        {"120.001", false, 0, "50.000"},
        {"25,175", false, 0, "50.000"},
    };
    for (const auto& c : kCases) {
        EditSession fresh(TemplateRecord, noPanels);
        const EditResult result = EnterInputClock(fresh, regs::kIdClkI2, c.text);
        EXPECT_EQ(result.accepted(), c.accepted) << c.text;
        EXPECT_EQ(result.shown, c.shown) << c.text;
        EXPECT_EQ(regs::GetFieldValue(fresh.config, regs::kIdClkI2), c.accepted ? c.hz : 50000000)
            << c.text;
    }
    EXPECT_EQ(EnterInputClock(session, regs::kIdClkI, "0.390").message,
              "ERROR: \"0.390\" is not a valid CLKI Timing!\n");
}

TEST_F(ClocksPage, DivideListsSwitchTheAutomaticDivides) {
    EXPECT_EQ(PclkDivideItem(session), 0u); // "Auto"
    EXPECT_TRUE(ChoosePclkDivideItem(session, 3).changed);
    EXPECT_EQ(Get(regs::kIdPclkDivideRaw), 2u);
    EXPECT_EQ(Get(regs::kIdAutoPclkDivide), 0u);
    EXPECT_EQ(PclkDivideItem(session), 3u);
    EXPECT_TRUE(ChoosePclkDivideItem(session, 0).changed);
    EXPECT_EQ(Get(regs::kIdAutoPclkDivide), 1u);
    EXPECT_EQ(Get(regs::kIdPclkDivideRaw), 2u);
    const EditResult refused = ChooseMclkDivide(session, 4);
    EXPECT_EQ(refused.message, "ERROR: \"4\" is not a valid MCLK Div!\n");
    EXPECT_EQ(refused.hint, "Allowed values: 1:1 (0), 2:1 (1), 3:1 (2), 4:1 (3).");
}

TEST_F(ClocksPage, DutyCycleIsClampedWithTheNote) {
    const EditResult clamped = LeaveDutyCycle(session, "300");
    EXPECT_TRUE(clamped.accepted());
    EXPECT_EQ(clamped.message,
              "NOTE: The PWMOUT Duty Cycle was set to the closest allowable value.\n");
    EXPECT_EQ(clamped.shown, "255");
    EXPECT_EQ(LeaveDutyCycle(session, "12.9").shown, "12");
    EXPECT_EQ(LeaveDutyCycle(session, "1e2").message,
              "ERROR: \"1e2\" is not a valid PWMOUT Duty Cycle!\n");
    EXPECT_EQ(Get(regs::kIdDutyCycle), 12u);
}

TEST_F(ClocksPage, FrequencyTextsChangeUnitAbove1000And100000Hz) {
    const std::pair<std::uint32_t, const char*> kTexts[] = {
        {0, " 0 Hz"},           {1000, " 1000 Hz"},
        {1001, " 1.001 KHz"},   {100000, " 100.000 KHz"},
        {100001, " 0.100 MHz"}, {25175000, " 25.175 MHz"},
    };
    for (const auto& [hz, text] : kTexts) {
        EXPECT_EQ(regs::FrequencyText(hz), text) << hz;
    }
}

// With the clock chip the input clocks run at what the synthesizer reaches:
// 25.175 MHz through its post-divider 2 (VCO 50.35 MHz), P = 109, Q = 62.
TEST_F(ClocksPage, ActualInputClockIsWhatTheSynthesizerReaches) {
    EnterInputClock(session, regs::kIdClkI2, "25.175");
    EXPECT_EQ(hal::SearchClockWord(3, 25175000)->m, 1u);
    EXPECT_EQ(regs::ActualInputClockHz(session.config, regs::kIdClkI2), 25172284u);
    EXPECT_EQ(FrequencyTexts(session).clki2Actual, " 25.172 MHz");

    Set(regs::kIdClkI, 390624); // below the synthesizer's range: no clock
    EXPECT_EQ(FrequencyTexts(session).clkiActual, " 0 Hz");
    Set(regs::kIdClockChip, 0);
    EXPECT_EQ(FrequencyTexts(session).clkiActual, " 0.390 MHz");
    EXPECT_EQ(regs::ActualInputClockHz(session.config, regs::kIdClkI2), 25175000u);
}

} // namespace
} // namespace k7r::edit
