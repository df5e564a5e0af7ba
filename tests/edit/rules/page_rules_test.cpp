// The rules of the General, Clocks, Panel Power and Preferences pages, with
// their exact texts.
#include "containers/config_file.h"
#include "edit/rules/clocks_rules.h"
#include "edit/rules/general_rules.h"
#include "edit/rules/power_rules.h"
#include "edit/rules/preferences_rules.h"
#include "hal/clock_synth.h"
#include "regs/clock_tree.h"
#include "regs/register_access.h"
#include "tests/edit/edit_fixture.h"
#include "tests/support/test_files.h"

#include <filesystem>

namespace k7r::edit {
namespace {

constexpr char kUsbWarning[] =
    "Warning: GPIO Power was disabled because of a conflict; USB reserves GPIO[7:4].\n";
constexpr char kClockChipWarning[] =
    "Warning: GPIO Power was disabled because of a conflict; clock chip reserves GPIO[3:1].\n";

using GeneralPage = EditTest;

// Typing and restoring addresses through User-Defined is the page's test.
TEST_F(GeneralPage, AddressesAreHexadecimalPaddedToEightDigits) {
    EXPECT_EQ(EnterAddress(session, regs::kIdMemPhysAddr, " 9abc").shown, "00009ABC");
    EXPECT_TRUE(ChoosePlatform(session, Platform::DragonBall).changed);
    EXPECT_EQ(Get(regs::kIdMemPhysAddr), 0x1F200000u);
    EXPECT_FALSE(ChoosePlatform(session, Platform::DragonBall).changed);
    const EditResult refused = EnterAddress(session, regs::kIdRegPhysAddr, "1F00G");
    EXPECT_EQ(refused.message, "ERROR: \"1F00G\" is not a valid Phys Reg Addr!\n");
    EXPECT_EQ(refused.shown, "1F000000");
    EXPECT_EQ(Get(regs::kIdRegPhysAddr), 0x1F000000u);
}

// Each box gives up the panel power pin it reserves, with its warning.
TEST_F(GeneralPage, UsbAndClockChipTakeTheirPinsFromPanelPower) {
    const struct {
        std::uint32_t powerMask;
        std::uint32_t basicPanelType;
        bool usb;
        const char* warning;
    } kCases[] = {
        {0x20, 1, true, kUsbWarning}, // GPIO5
        {0x80, 0, true, kUsbWarning}, // GPIO7
        {0x20, 2, true, ""},          // setting 44 = 2 keeps the pin
        {0x01, 1, true, ""},          // GPIO0 is no USB pin
        {0x04, 1, false, kClockChipWarning},
        {0x10, 1, false, ""},
    };
    for (const auto& c : kCases) {
        EditSession fresh(TemplateRecord, noPanels);
        regs::SetFieldValue(fresh.config, regs::kIdUsbEnable, 0);
        regs::SetFieldValue(fresh.config, regs::kIdClockChip, 0);
        regs::SetFieldValue(fresh.config, regs::kIdBasicPanelType, c.basicPanelType);
        regs::SetFieldValue(fresh.config, regs::kIdGpioPowerMask, c.powerMask);
        const EditResult result =
            c.usb ? SetUsbSupport(fresh, true) : SetClockChipSupport(fresh, true);
        EXPECT_EQ(result.message, c.warning) << c.powerMask;
        EXPECT_TRUE(result.changed);
        EXPECT_EQ(regs::GetFieldValue(fresh.config, regs::kIdGpioPowerMask),
                  *c.warning ? 0 : c.powerMask);
        EXPECT_EQ(
            regs::GetFieldValue(fresh.config, c.usb ? regs::kIdUsbEnable : regs::kIdClockChip), 1u);
    }
}

TEST_F(GeneralPage, ClockChipBoxIsLockedWhileHrTftHoldsItsPins) {
    Set(regs::kIdBasicPanelType, 3);
    EXPECT_TRUE(ClockChipSupportLocked(session));
    const EditResult refused = SetClockChipSupport(session, false);
    EXPECT_FALSE(refused.accepted());
    EXPECT_EQ(
        refused.message,
        "ERROR: Clock Chip Sup cannot be changed while the HR-TFT interface holds GPIO[3:0].\n");
    EXPECT_EQ(Get(regs::kIdClockChip), 1u);
}

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

using PowerPage = EditTest;

TEST_F(PowerPage, PinsReservedByClockChipUsbOrPanelTypeCannotBeChosen) {
    // STN: GPO power, pins 0 to 10.
    EXPECT_TRUE(PowerThroughGpo(session));
    EXPECT_TRUE(PowerPinAllowed(session, 10));
    EXPECT_FALSE(PowerPinAllowed(session, 11));
    Set(regs::kIdPanelType, 4); // GPO pins 1 to 10 carry panel signals
    EXPECT_TRUE(PowerPinAllowed(session, 0));
    EXPECT_FALSE(PowerPinAllowed(session, 1));
    // TFT: GPIO power, pins 0 to 7, less the reserved ones (the page's test
    // has those of the clock chip and USB together).
    Set(regs::kIdPanelType, 1);
    Set(regs::kIdClockChip, 0);
    for (unsigned pin = 0; pin <= 8; ++pin) {
        EXPECT_EQ(PowerPinAllowed(session, pin), pin < 4) << pin; // USB holds pins 4 to 7
    }
    const EditResult refused = ChoosePowerPin(session, 5);
    EXPECT_EQ(refused.message, "ERROR: \"32\" is not a valid GPIO Pwr Mask!\n");
    EXPECT_EQ(refused.hint, "Allowed values: 0 (off), 1 (pin 0), 2 (pin 1), 4 (pin 2), 8 (pin 3).");
}

TEST_F(PowerPage, TheBoxRestoresTheFamilysLastPin) {
    OpenPowerPage(session);
    EXPECT_TRUE(ChoosePowerPin(session, 9).changed);
    EXPECT_TRUE(SetPanelPower(session, false).changed);
    EXPECT_EQ(Get(regs::kIdGpoPowerMask), 0u);
    EXPECT_TRUE(SetPanelPower(session, true).changed);
    EXPECT_EQ(Get(regs::kIdGpoPowerMask), 0x200u);
    EXPECT_EQ(Get(regs::kIdGpioPowerMask), 1u);
}

TEST_F(PowerPage, DelaysUpTo65535Milliseconds) {
    EXPECT_TRUE(LeavePowerDelay(session, regs::kIdPowerOnTime, "30").changed);
    EXPECT_EQ(regs::ReadRegister(session.config, riDELAYON, -1), 30u);
    EXPECT_TRUE(LeavePowerDelay(session, regs::kIdPowerOffTime, "65535").accepted());
    const EditResult refused = LeavePowerDelay(session, regs::kIdPowerOffTime, "65536");
    EXPECT_EQ(refused.message, "ERROR: \"65536\" is not a valid LCD Pwr Off Time!\n");
    EXPECT_EQ(refused.shown, "65535");
}

using PreferencesPage = EditTest;

TEST_F(PreferencesPage, OnlyTheOptionButtonsValuesAreTaken) {
    const EditResult refused = ChooseColorDepth(session, 12);
    EXPECT_FALSE(refused.accepted());
    EXPECT_EQ(refused.message, "ERROR: \"12\" is not a valid Bits-Per-Pixel!\n");
    EXPECT_EQ(refused.hint, "Allowed values: 1, 2, 4, 8, 16.");
    EXPECT_EQ(ChooseSwivelView(session, 45).hint, "Allowed values: 0, 90, 180, 270.");
    EXPECT_EQ(Get(regs::kIdBitsPerPixel), 8u);
    EXPECT_EQ(Get(regs::kIdSwivelView), 0u);
}

TEST_F(PreferencesPage, DescriptionKeepsLineFeedsAndShowsCrLf) {
    const EditResult stored = LeaveDescription(session, "Lab board\r\nrev. B");
    EXPECT_TRUE(stored.changed);
    EXPECT_EQ(stored.shown, "Lab board\r\nrev. B");
    EXPECT_TRUE(LeaveDescription(session, std::string(255, 'x')).accepted());
    const EditResult tooLong = LeaveDescription(session, std::string(256, 'y'));
    EXPECT_FALSE(tooLong.accepted());
    EXPECT_EQ(tooLong.hint, "At most 255 characters.");
}

// The start address a file carries is the one its layout updates keep, not
// the one of the file opened before it.
TEST_F(PreferencesPage, OpeningAFileRemembersItsMainStartAddress) {
    const std::string directory = test::ScratchDirectory();
    const std::string first = directory + "/first.elf";
    const std::string second = directory + "/second.elf";
    for (const auto& [path, start] : {std::pair{first, 1024u}, std::pair{second, 2048u}}) {
        std::filesystem::copy_file(test::TestImagePath("carrier.elf"), path);
        config::WorkingConfig config(TemplateRecord);
        ASSERT_TRUE(containers::OpenConfigFile(path, config, {}));
        regs::SetFieldValue(config, regs::kIdMainStart, start);
        ASSERT_TRUE(containers::SaveConfigFile(path, "", config.Record, false, {}));
    }
    ASSERT_TRUE(OpenConfiguration(session, first, test::FailWith));
    ASSERT_TRUE(OpenConfiguration(session, second, test::FailWith));
    ChooseColorDepth(session, 4);
    EXPECT_EQ(Get(regs::kIdMainStart), 2048u);
}

} // namespace
} // namespace k7r::edit
