// The rules of the General, Preferences, Clocks and Panel Power pages and of
// the Modify Register dialog, with the pages' exact texts.
#include "config/record.h"
#include "containers/config_file.h"
#include "edit/clocks_page.h"
#include "edit/general_page.h"
#include "edit/power_page.h"
#include "edit/preferences_page.h"
#include "edit/register_edit.h"
#include "hal/init.h"
#include "regs/setting_ids.h"
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

TEST_F(GeneralPage, PlatformIsWorkedOutFromTheAddresses) {
    EXPECT_EQ(CurrentPlatform(session), Platform::Tavex);
    EXPECT_EQ(AddressText(session, CurrentPlatform(session), kIdRegPhysAddr), "PCI bus");
    Set(kIdRegPhysAddr, 0x14000000);
    Set(kIdMemPhysAddr, 0x04000000);
    EXPECT_EQ(CurrentPlatform(session), Platform::Sh3Lcevb);
    EXPECT_EQ(AddressText(session, CurrentPlatform(session), kIdMemPhysAddr), "04000000");
    Set(kIdMemPhysAddr, 0x04000004);
    EXPECT_EQ(CurrentPlatform(session), Platform::UserDefined);
}

// User-Defined chosen with the addresses of the first row shows them as
// numbers; only the first row shows "PCI bus".
TEST_F(GeneralPage, TheChosenRowDecidesWhatTheAddressFieldsShow) {
    EXPECT_EQ(ChoosePlatform(session, Platform::UserDefined).shown, "00000000");
    EXPECT_EQ(AddressText(session, Platform::UserDefined, kIdMemPhysAddr), "00000000");
    EXPECT_EQ(ChoosePlatform(session, Platform::Tavex).shown, "PCI bus");
    EXPECT_EQ(ChoosePlatform(session, Platform::RedCap).shown, "41000000");
    EXPECT_EQ(AddressText(session, Platform::RedCap, kIdMemPhysAddr), "41080000");
}

TEST_F(GeneralPage, TypedAddressesAreShownInUpperCaseAndComeBackWithUserDefined) {
    EXPECT_EQ(EnterAddress(session, kIdRegPhysAddr, "1f000abc").shown, "1F000ABC");
    EXPECT_EQ(EnterAddress(session, kIdMemPhysAddr, " 9abc").shown, "00009ABC");
    EXPECT_TRUE(ChoosePlatform(session, Platform::DragonBall).changed);
    EXPECT_EQ(Get(kIdRegPhysAddr), 0x1F000000u);
    EXPECT_EQ(Get(kIdMemPhysAddr), 0x1F200000u);
    EXPECT_FALSE(ChoosePlatform(session, Platform::DragonBall).changed);
    ChoosePlatform(session, Platform::UserDefined);
    EXPECT_EQ(Get(kIdRegPhysAddr), 0x1F000ABCu);
    EXPECT_EQ(Get(kIdMemPhysAddr), 0x9ABCu);

    const EditResult refused = EnterAddress(session, kIdRegPhysAddr, "1F00G");
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.message, "ERROR: \"1F00G\" is not a valid Phys Reg Addr!\n");
    EXPECT_EQ(refused.shown, "1F000ABC");
    EXPECT_EQ(Get(kIdRegPhysAddr), 0x1F000ABCu);
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
        SetFieldValue(fresh.config, kIdUsbEnable, 0);
        SetFieldValue(fresh.config, kIdClockChip, 0);
        SetFieldValue(fresh.config, kIdBasicPanelType, c.basicPanelType);
        SetFieldValue(fresh.config, kIdGpioPowerMask, c.powerMask);
        const EditResult result =
            c.usb ? SetUsbSupport(fresh, true) : SetClockChipSupport(fresh, true);
        EXPECT_EQ(result.message, c.warning) << c.powerMask;
        EXPECT_TRUE(result.changed);
        EXPECT_EQ(GetFieldValue(fresh.config, kIdGpioPowerMask), *c.warning ? 0 : c.powerMask);
        EXPECT_EQ(GetFieldValue(fresh.config, c.usb ? kIdUsbEnable : kIdClockChip), 1u);
    }
}

TEST_F(GeneralPage, ClockChipBoxIsLockedWhileHrTftHoldsItsPins) {
    Set(kIdBasicPanelType, 3);
    EXPECT_TRUE(ClockChipSupportLocked(session));
    const EditResult refused = SetClockChipSupport(session, false);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(
        refused.message,
        "ERROR: Clock Chip Sup cannot be changed while the HR-TFT interface holds GPIO[3:0].\n");
    EXPECT_EQ(Get(kIdClockChip), 1u);
}

using PreferencesPage = EditTest;

TEST_F(PreferencesPage, OnlyTheOptionButtonsValuesAreTaken) {
    for (const std::uint32_t depth : {0u, 3u, 5u, 12u, 32u}) {
        const EditResult refused = ChooseColorDepth(session, depth);
        EXPECT_FALSE(refused.accepted);
        EXPECT_EQ(refused.message,
                  "ERROR: \"" + std::to_string(depth) + "\" is not a valid Bits-Per-Pixel!\n");
        EXPECT_EQ(refused.hint, "Allowed values: 1, 2, 4, 8, 16.");
    }
    for (const std::uint32_t angle : {2u, 45u, 360u}) {
        EXPECT_EQ(ChooseSwivelView(session, angle).hint, "Allowed values: 0, 90, 180, 270.");
    }
    EXPECT_EQ(Get(kIdBitsPerPixel), 8u);
    EXPECT_EQ(Get(kIdSwivelView), 0u);
}

TEST_F(PreferencesPage, LayoutFollowsDepthAndRotation) {
    EXPECT_TRUE(ChooseColorDepth(session, 16).changed);
    EXPECT_TRUE(ChooseSwivelView(session, 90).changed);
    EXPECT_EQ(Get(kIdMainLineOffset), 480u);
    EXPECT_EQ(Get(kIdRequiredVram), 480u * 320);
    EXPECT_EQ(Get(kIdMainStart), 0u);
    EXPECT_EQ(Get(kIdPipLineOffset), 480u);
}

TEST_F(PreferencesPage, DescriptionKeepsLineFeedsAndShowsCrLf) {
    const EditResult stored = LeaveDescription(session, "Lab board\r\nrev. B");
    EXPECT_TRUE(stored.changed);
    EXPECT_EQ(FormatFieldValue(session.config, kIdDescription), "Lab board\nrev. B");
    EXPECT_EQ(stored.shown, "Lab board\r\nrev. B");
    EXPECT_FALSE(LeaveDescription(session, "Lab board\nrev. B").changed);
    EXPECT_TRUE(LeaveDescription(session, std::string(255, 'x')).accepted);
    const EditResult tooLong = LeaveDescription(session, std::string(256, 'y'));
    EXPECT_FALSE(tooLong.accepted);
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
        WorkingConfig config(TemplateRecord);
        ASSERT_TRUE(OpenConfigFile(path, config, {}));
        SetFieldValue(config, kIdMainStart, start);
        ASSERT_TRUE(SaveConfigFile(path, "", config.Record, false, {}));
    }
    const MessageSink fail = [](const std::string& text) { ADD_FAILURE() << text; };
    ASSERT_TRUE(OpenConfiguration(session, first, fail));
    ASSERT_TRUE(OpenConfiguration(session, second, fail));
    ChooseColorDepth(session, 4);
    EXPECT_EQ(Get(kIdMainStart), 2048u);
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
        const EditResult result = EnterInputClock(fresh, kIdClkI2, c.text);
        EXPECT_EQ(result.accepted, c.accepted) << c.text;
        EXPECT_EQ(result.shown, c.shown) << c.text;
        EXPECT_EQ(GetFieldValue(fresh.config, kIdClkI2), c.accepted ? c.hz : 50000000) << c.text;
    }
    EXPECT_EQ(EnterInputClock(session, kIdClkI, "0.390").message,
              "ERROR: \"0.390\" is not a valid CLKI Timing!\n");
}

// PCLK = CLKI2 / 8 on the template: 25.175 MHz / 8 / (352 x 251) = 35 Hz.
TEST_F(ClocksPage, EveryChangeStoresTheFrameRate) {
    EnterInputClock(session, kIdClkI2, "25.175");
    EXPECT_EQ(Get(kIdFrameRate), 35u);
    ChoosePclkDivideItem(session, 4); // 4:1
    EXPECT_EQ(Get(kIdFrameRate), 71u);
    ChooseClockListItem(session, kIdPclkSource, 2); // CLKI, 50 MHz
    EXPECT_EQ(Get(kIdFrameRate), 141u);
}

TEST_F(ClocksPage, DivideListsSwitchTheAutomaticDivides) {
    EXPECT_EQ(PclkDivideItem(session), 0u); // "Auto"
    EXPECT_TRUE(ChoosePclkDivideItem(session, 3).changed);
    EXPECT_EQ(Get(kIdPclkDivideRaw), 2u);
    EXPECT_EQ(Get(kIdAutoPclkDivide), 0u);
    EXPECT_EQ(PclkDivideItem(session), 3u);
    EXPECT_TRUE(ChoosePclkDivideItem(session, 0).changed);
    EXPECT_EQ(Get(kIdAutoPclkDivide), 1u);
    EXPECT_EQ(Get(kIdPclkDivideRaw), 2u);

    Set(kIdAutoMclkDivide, 1);
    EXPECT_TRUE(ChooseMclkDivide(session, 1).changed);
    EXPECT_EQ(Get(kIdMclkDivide), 2u);
    EXPECT_EQ(Get(kIdAutoMclkDivide), 0u);
    const EditResult refused = ChooseMclkDivide(session, 4);
    EXPECT_EQ(refused.message, "ERROR: \"4\" is not a valid MCLK Div!\n");
    EXPECT_EQ(refused.hint, "Allowed values: 1:1 (0), 2:1 (1), 3:1 (2), 4:1 (3).");
}

TEST_F(ClocksPage, DutyCycleIsClampedWithTheNote) {
    const EditResult clamped = LeaveDutyCycle(session, "300");
    EXPECT_TRUE(clamped.accepted);
    EXPECT_EQ(clamped.message,
              "NOTE: The PWMOUT Duty Cycle was set to the closest allowable value.\n");
    EXPECT_EQ(clamped.shown, "255");
    EXPECT_EQ(LeaveDutyCycle(session, "12.9").shown, "12");
    EXPECT_EQ(LeaveDutyCycle(session, "1e2").message,
              "ERROR: \"1e2\" is not a valid PWMOUT Duty Cycle!\n");
    EXPECT_EQ(Get(kIdDutyCycle), 12u);
}

TEST_F(ClocksPage, FrequencyTextsChangeUnitAbove1000And100000Hz) {
    const struct {
        std::uint32_t hz;
        const char* text;
    } kCases[] = {
        {0, " 0 Hz"},           {1000, " 1000 Hz"},
        {1001, " 1.001 KHz"},   {100000, " 100.000 KHz"},
        {100001, " 0.100 MHz"}, {25175000, " 25.175 MHz"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(FrequencyText(c.hz), c.text) << c.hz;
    }
}

// With the clock chip the input clocks run at what the synthesizer reaches:
// 25.175 MHz through its post-divider 2 (VCO 50.35 MHz), P = 109, Q = 62.
TEST_F(ClocksPage, ActualInputClockIsWhatTheSynthesizerReaches) {
    EnterInputClock(session, kIdClkI2, "25.175");
    EXPECT_EQ(hal::SearchClockWord(3, 25175000)->m, 1u);
    EXPECT_EQ(ActualInputClockHz(session, kIdClkI2), 25172284u);
    EXPECT_EQ(FrequencyTexts(session).clki2Actual, " 25.172 MHz");

    Set(kIdClkI, 390624); // below the synthesizer's range: no clock
    EXPECT_EQ(FrequencyTexts(session).clkiActual, " 0 Hz");
    Set(kIdClockChip, 0);
    EXPECT_EQ(FrequencyTexts(session).clkiActual, " 0.390 MHz");
    EXPECT_EQ(ActualInputClockHz(session, kIdClkI2), 25175000u);
}

using PowerPage = EditTest;

TEST_F(PowerPage, PinsReservedByClockChipUsbOrPanelTypeCannotBeChosen) {
    // STN: GPO power, pins 0 to 10.
    EXPECT_TRUE(PowerThroughGpo(session));
    EXPECT_TRUE(PowerPinAllowed(session, 10));
    EXPECT_FALSE(PowerPinAllowed(session, 11));
    Set(kIdPanelType, 4); // GPO pins 1 to 10 carry panel signals
    EXPECT_TRUE(PowerPinAllowed(session, 0));
    EXPECT_FALSE(PowerPinAllowed(session, 1));
    // TFT: GPIO power, pins 0 to 7, less the reserved ones.
    Set(kIdPanelType, 1);
    const bool kClockChipAndUsb[] = {true, false, false, false, false, false, false, false};
    const bool kUsbOnly[] = {true, true, true, true, false, false, false, false};
    for (unsigned pin = 0; pin < 8; ++pin) {
        EXPECT_EQ(PowerPinAllowed(session, pin), kClockChipAndUsb[pin]) << pin;
    }
    Set(kIdClockChip, 0);
    for (unsigned pin = 0; pin < 8; ++pin) {
        EXPECT_EQ(PowerPinAllowed(session, pin), kUsbOnly[pin]) << pin;
    }
    EXPECT_FALSE(PowerPinAllowed(session, 8));
    const EditResult refused = ChoosePowerPin(session, 5);
    EXPECT_EQ(refused.message, "ERROR: \"32\" is not a valid GPIO Pwr Mask!\n");
    EXPECT_EQ(refused.hint, "Allowed values: 0 (off), 1 (pin 0), 2 (pin 1), 4 (pin 2), 8 (pin 3).");
}

TEST_F(PowerPage, TheBoxRestoresTheFamilysLastPin) {
    OpenPowerPage(session);
    EXPECT_TRUE(ChoosePowerPin(session, 9).changed);
    EXPECT_EQ(Get(kIdGpoPowerMask), 0x200u);
    EXPECT_TRUE(SetPanelPower(session, false).changed);
    EXPECT_EQ(Get(kIdGpoPowerMask), 0u);
    EXPECT_TRUE(SetPanelPower(session, true).changed);
    EXPECT_EQ(Get(kIdGpoPowerMask), 0x200u);
    EXPECT_EQ(Get(kIdGpioPowerMask), 1u);
}

TEST_F(PowerPage, DelaysUpTo65535Milliseconds) {
    EXPECT_TRUE(LeavePowerDelay(session, kIdPowerOnTime, "30").changed);
    EXPECT_EQ(ReadRegister(session.config, riDELAYON, -1), 30u);
    EXPECT_TRUE(LeavePowerDelay(session, kIdPowerOffTime, "65535").accepted);
    const EditResult refused = LeavePowerDelay(session, kIdPowerOffTime, "65536");
    EXPECT_EQ(refused.message, "ERROR: \"65536\" is not a valid LCD Pwr Off Time!\n");
    EXPECT_EQ(refused.shown, "65535");
}

TEST_F(EditTest, ModifyRegisterReadsTheDialogsBase) {
    const int position = 1; // REG[64h]
    EXPECT_TRUE(ModifyRegister(session, position, "ffff", NumberBase::Hexadecimal).changed);
    EXPECT_EQ(ReadRegister(session.config, 0x64, position), 0xFFFFu);
    EXPECT_FALSE(ModifyRegister(session, position, "65535", NumberBase::Decimal).changed);
    for (const auto& [text, base] :
         {std::pair{"12G", NumberBase::Hexadecimal}, std::pair{"0x12", NumberBase::Decimal}}) {
        const EditResult refused = ModifyRegister(session, position, text, base);
        EXPECT_FALSE(refused.accepted);
        EXPECT_EQ(refused.message, "ERROR:Invalid value entered!");
    }
    EXPECT_EQ(ReadRegister(session.config, 0x64, position), 0xFFFFu);
}

} // namespace
} // namespace k7r::edit
