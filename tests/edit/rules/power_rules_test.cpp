// The Panel Power page's rules, with its exact texts.
#include "edit/rules/power_rules.h"
#include "regs/register_access.h"
#include "tests/edit/edit_fixture.h"

namespace k7r::edit {
namespace {

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

} // namespace
} // namespace k7r::edit
