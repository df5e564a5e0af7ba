// The General tab over fake controls: platform buttons and address fields,
// USB and clock chip boxes.
#include "cfgui/pages/general_page.h"
#include "tests/cfgui/page_harness.h"

namespace k7r::cfgui {
namespace {

// The page fills the chip's name into its label's template.
class GeneralPage : public PageTest {
  protected:
    void OpenGeneral() {
        view.controls.clear();
        view[IDC_PLATFORM_TAVEX].text = "Tavex M2P%sR01A/R01B";
        page = MakeGeneralPage(context);
        page->Open();
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
        {0x14000000, 0x00000000, IDC_PLATFORM_USER, "00000000"},
    };
    for (const auto& c : kCases) {
        Set(regs::kIdRegPhysAddr, c.registers);
        Set(regs::kIdMemPhysAddr, c.buffer);
        OpenGeneral();
        for (int button = IDC_PLATFORM_TAVEX; button <= IDC_PLATFORM_DRAGONBALL; ++button) {
            EXPECT_EQ(view[button].checked, button == c.button) << button;
        }
        EXPECT_EQ(view[IDC_BUFFER_ADDRESS].text, c.shown);
        EXPECT_EQ(view[IDC_BUFFER_ADDRESS].enabled, c.button == IDC_PLATFORM_USER);
    }
    EXPECT_EQ(view[IDC_PLATFORM_TAVEX].text, "Tavex M2P58C22R01A/R01B");
}

TEST_F(GeneralPage, TypedAddressesComeBackWithUserDefined) {
    OpenGeneral();
    Click(IDC_PLATFORM_USER);
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "00000000") << "no \"PCI bus\" here";
    Type(IDC_REGISTER_ADDRESS, "1f000abc");
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "1F000ABC");

    Click(IDC_PLATFORM_IDP68030);
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "10A00000");
    EXPECT_FALSE(view[IDC_REGISTER_ADDRESS].enabled);
    Click(IDC_PLATFORM_USER);
    EXPECT_EQ(view[IDC_REGISTER_ADDRESS].text, "1F000ABC");
    EXPECT_EQ(Get(regs::kIdRegPhysAddr), 0x1F000ABCu);
    EXPECT_EQ(Get(regs::kIdMemPhysAddr), 0u);
}

TEST_F(GeneralPage, UsbBoxReportsThePanelPowerItTook) {
    Set(regs::kIdUsbEnable, 0);
    Set(regs::kIdGpioPowerMask, 0x20); // GPIO5
    OpenGeneral();
    Click(IDC_USB_SUPPORT);
    EXPECT_EQ(Get(regs::kIdUsbEnable), 1u);
    EXPECT_EQ(Get(regs::kIdGpioPowerMask), 0u);
    EXPECT_TRUE(pane.text.starts_with(
        "Warning: GPIO Power was disabled because of a conflict; USB reserves GPIO[7:4]."))
        << pane.text;
}

TEST_F(GeneralPage, ClockChipBoxIsClearedAndDisabledForTheHrTftInterface) {
    for (const std::uint32_t type : {1u, 2u, 3u}) {
        Set(regs::kIdBasicPanelType, type);
        OpenGeneral();
        EXPECT_EQ(view[IDC_CLOCK_CHIP_SUPPORT].enabled, type < 2) << type;
        EXPECT_EQ(view[IDC_CLOCK_CHIP_SUPPORT].checked, type < 2) << type;
        EXPECT_EQ(Get(regs::kIdClockChip), 1u);
    }
}

} // namespace
} // namespace k7r::cfgui
