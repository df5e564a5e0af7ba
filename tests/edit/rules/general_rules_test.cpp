// The General page's rules, with its exact texts.
#include "edit/rules/general_rules.h"
#include "tests/edit/edit_fixture.h"

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

} // namespace
} // namespace k7r::edit
