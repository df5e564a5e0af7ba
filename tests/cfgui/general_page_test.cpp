// The General tab over fake controls: platform buttons and address fields,
// USB and clock chip boxes, and what the diagnostics pane says.
#include "cfgui/pages/general_page.h"
#include "cfgui/resource.h"
#include "regs/setting_ids.h"
#include "tests/cfgui/page_fixture.h"

#include <array>

namespace k7r::cfgui {
namespace {

constexpr std::array<int, 7> kPlatformButtons = {
    IDC_PLATFORM_TAVEX,  IDC_PLATFORM_USER, IDC_PLATFORM_IDP68000,   IDC_PLATFORM_IDP68030,
    IDC_PLATFORM_REDCAP, IDC_PLATFORM_SH3,  IDC_PLATFORM_DRAGONBALL,
};

class GeneralPage : public PageTest {
  protected:
    void Open() {
        // The template's texts, before the page fills them.
        view[IDC_PLATFORM_TAVEX].text = "Tavex M2P%sR01A/R01B";
        view[IDC_GENERAL_NOTE].text = "NOTE: The decoding of the %s physical addresses";
        OpenPage(MakeGeneralPage);
    }
    int CheckedPlatform() {
        int found = 0;
        for (const int button : kPlatformButtons) {
            if (view[button].checked) {
                EXPECT_EQ(found, 0) << "two platforms checked";
                found = button;
            }
        }
        return found;
    }
};

TEST_F(GeneralPage, OpeningChoosesThePlatformByTheAddresses) {
    const struct {
        std::uint32_t registers;
        std::uint32_t buffer;
        int button;
        const char* shown;
    } kCases[] = {
        {0, 0, IDC_PLATFORM_TAVEX, "PCI bus"},
        {0x14000000, 0x04000000, IDC_PLATFORM_SH3, "04000000"},
        {0x1F000000, 0x1F200000, IDC_PLATFORM_DRAGONBALL, "1F200000"},
        {0x14000000, 0x00000000, IDC_PLATFORM_USER, "00000000"},
    };
    for (const auto& c : kCases) {
        Set(kIdRegPhysAddr, c.registers);
        Set(kIdMemPhysAddr, c.buffer);
        Open();
        EXPECT_EQ(CheckedPlatform(), c.button) << c.shown;
        EXPECT_EQ(view[IDC_BUFFER_ADDRESS].text, c.shown);
        EXPECT_EQ(view[IDC_REGISTER_ADDRESS].enabled, c.button == IDC_PLATFORM_USER);
        EXPECT_EQ(view[IDC_BUFFER_ADDRESS].enabled, c.button == IDC_PLATFORM_USER);
        EXPECT_EQ(view[IDC_REGISTER_ADDRESS].limit, 8);
    }
    EXPECT_EQ(view[IDC_PLATFORM_TAVEX].text, "Tavex M2P58C22R01A/R01B");
    EXPECT_EQ(view[IDC_GENERAL_NOTE].text, "NOTE: The decoding of the 58C22 physical addresses");
    EXPECT_EQ(page->TextColourOf(IDC_GENERAL_NOTE)->blue, 175);
}

TEST_F(GeneralPage, TypedAddressesComeBackWithUserDefined) {
    Open();
    Click(IDC_PLATFORM_USER);
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "00000000");
    EXPECT_TRUE(view[IDC_REGISTER_ADDRESS].enabled);
    Type(IDC_REGISTER_ADDRESS, "1f000abc");
    Type(IDC_BUFFER_ADDRESS, "9abc");
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "1F000ABC");
    EXPECT_EQ(view[IDC_BUFFER_ADDRESS].text, "00009ABC");

    Click(IDC_PLATFORM_IDP68030);
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "10A00000");
    EXPECT_FALSE(view[IDC_REGISTER_ADDRESS].enabled);
    EXPECT_EQ(Get(kIdMemPhysAddr), 0x10E00000u);

    Click(IDC_PLATFORM_USER);
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "1F000ABC");
    EXPECT_EQ(view[IDC_BUFFER_ADDRESS].text, "00009ABC");
    EXPECT_EQ(Get(kIdRegPhysAddr), 0x1F000ABCu);
    EXPECT_EQ(Get(kIdMemPhysAddr), 0x9ABCu);
    EXPECT_FALSE(app.diagnostics.error) << Pane();
}

TEST_F(GeneralPage, BadAddressHoldsTheFieldUntilFixed) {
    Set(kIdRegPhysAddr, 0x12345678);
    Open();
    Type(IDC_REGISTER_ADDRESS, "1F00G");
    EXPECT_EQ(Pane().rfind("ERROR: \"1F00G\" is not a valid Phys Reg Addr!\n", 0), 0u) << Pane();
    EXPECT_TRUE(pane.errorColour);
    EXPECT_EQ(app.diagnostics.lock, IDC_REGISTER_ADDRESS);
    EXPECT_EQ(view.focus, IDC_REGISTER_ADDRESS);
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "12345678");
    EXPECT_TRUE(view[IDC_REGISTER_ADDRESS].textSelected);

    Type(IDC_REGISTER_ADDRESS, "12345678");
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_EQ(Pane().find("ERROR: \"1F00G\""), std::string::npos) << Pane();
    EXPECT_EQ(Get(kIdRegPhysAddr), 0x12345678u);
}

// The template powers the panel through GPIO0; the pins are moved first.
TEST_F(GeneralPage, BoxesTakeTheirPinsFromPanelPowerWithAWarning) {
    const struct {
        int box;
        std::uint32_t pin;
        std::uint32_t basicPanelType;
        const char* warning;
    } kCases[] = {
        {IDC_USB_SUPPORT, 0x20, 1,
         "Warning: GPIO Power was disabled because of a conflict; USB "
         "reserves GPIO[7:4].\n"},
        {IDC_USB_SUPPORT, 0x20, 2, nullptr},
        {IDC_CLOCK_CHIP_SUPPORT, 0x04, 1,
         "Warning: GPIO Power was disabled because of a "
         "conflict; clock chip reserves GPIO[3:1].\n"},
    };
    for (const auto& c : kCases) {
        app.session.config = WorkingConfig(TemplateRecord);
        app.diagnostics = {};
        Set(kIdUsbEnable, 0);
        Set(kIdClockChip, 0);
        Set(kIdBasicPanelType, c.basicPanelType);
        Set(kIdGpioPowerMask, c.pin);
        Open();
        Click(c.box);
        EXPECT_EQ(Get(c.box == IDC_USB_SUPPORT ? kIdUsbEnable : kIdClockChip), 1u);
        if (c.warning != nullptr) {
            EXPECT_EQ(Pane().rfind(c.warning, 0), 0u) << Pane();
            EXPECT_EQ(Get(kIdGpioPowerMask), 0u);
        } else {
            EXPECT_EQ(Pane().find("Warning: GPIO Power"), std::string::npos) << Pane();
            EXPECT_EQ(Get(kIdGpioPowerMask), c.pin);
        }
    }
}

TEST_F(GeneralPage, ClockChipBoxIsClearedAndDisabledForTheHrTftInterface) {
    for (const std::uint32_t type : {0u, 1u, 2u, 3u}) {
        Set(kIdBasicPanelType, type);
        Open();
        const bool held = type >= 2;
        EXPECT_EQ(view[IDC_CLOCK_CHIP_SUPPORT].enabled, !held) << type;
        EXPECT_EQ(view[IDC_CLOCK_CHIP_SUPPORT].checked, !held) << type;
        EXPECT_EQ(Get(kIdClockChip), 1u);
        EXPECT_TRUE(view[IDC_USB_SUPPORT].checked);
    }
}

} // namespace
} // namespace k7r::cfgui
