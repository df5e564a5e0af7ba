// The General, Preferences and Clocks tabs over fake controls: platform
// buttons and address fields, USB and clock chip boxes, the depth and
// rotation options and the description, the clock lists and the PWM group,
// and the tip of every control.
#include "cfgui/pages/clocks_page.h"
#include "cfgui/pages/general_page.h"
#include "cfgui/pages/preferences_page.h"
#include "cfgui/tooltip_text.h"
#include "regs/field_names.h"
#include "regs/field_table.h"
#include "tests/cfgui/page_harness.h"

namespace k7r::cfgui {
namespace {

using PreferencesPage = PageTest;
using ClocksPage = PageTest;

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

TEST_F(PreferencesPage, OpeningChecksTheButtonsAndShowsTheDescription) {
    Set(regs::kIdBitsPerPixel, 4);
    Set(regs::kIdSwivelView, 270);
    Set(regs::kIdVertDoubling, 1);
    regs::SetDescriptionText(Config(), regs::kIdDescription, "Board 7\nrev. B");
    Open(MakePreferencesPage);
    for (int button = IDC_BPP_1; button <= IDC_SWIVEL_270; ++button) {
        EXPECT_EQ(view[button].checked, button == IDC_BPP_4 || button == IDC_SWIVEL_270);
    }
    EXPECT_FALSE(view[IDC_DOUBLE_HORIZONTAL].checked);
    EXPECT_TRUE(view[IDC_DOUBLE_VERTICAL].checked);
    EXPECT_EQ(view[IDC_DESCRIPTION].text, "Board 7\r\nrev. B");
    EXPECT_EQ(view[IDC_DESCRIPTION].limit, 255);

    // Stored with line feeds; an unchanged description is not reported.
    Type(IDC_DESCRIPTION, "Lab board\r\nrev. B");
    EXPECT_EQ(regs::FormatFieldValue(Config(), regs::kIdDescription), "Lab board\nrev. B");
    app.diagnostics.shown = "not reported again";
    Type(IDC_DESCRIPTION, "Lab board\r\nrev. B");
    EXPECT_EQ(app.diagnostics.shown, "not reported again");
}

// The layout follows depth and rotation; the start address the file
// carries, remembered when the page opens, stays through its update.
TEST_F(PreferencesPage, OptionsWriteTheirSettingsAndKeepTheStartAddress) {
    Set(regs::kIdMainStart, 1024);
    Open(MakePreferencesPage);
    Click(IDC_BPP_16);
    Click(IDC_SWIVEL_90);
    EXPECT_EQ(Get(regs::kIdBitsPerPixel), 16u);
    EXPECT_EQ(Get(regs::kIdSwivelView), 90u);
    EXPECT_EQ(Get(regs::kIdMainStart), 1024u);
    EXPECT_EQ(Get(regs::kIdMainLineOffset), 480u);
    EXPECT_EQ(Get(regs::kIdPipLineOffset), 480u);
    EXPECT_EQ(Get(regs::kIdRequiredVram), 480u * 320);
}

// A frequency that is no list text becomes an item when the page opens.
TEST_F(ClocksPage, OpeningFillsTheListsFromTheSettings) {
    Set(regs::kIdClkI2, 25175000);
    Set(regs::kIdClkI, 14318000);
    Open(MakeClocksPage);
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].items, (Texts{"Auto", "1:1", "2:1", "3:1", "4:1", "8:1"}));
    EXPECT_EQ(view[IDC_PCLK_DIVIDE].selection, 0);
    EXPECT_EQ(view[IDC_CLKI2_TIMING].items.size(), 11u);
    EXPECT_EQ(view[IDC_CLKI2_TIMING].selection, 6);
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.back(), "14.318");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 11);
}

// A typed frequency is shown, not added to the list; a file's clock that
// the field would refuse does not hold the focus while the field still
// shows it.
TEST_F(ClocksPage, InputClockFieldsShowWhatTheyHold) {
    Set(regs::kIdClkI2, 0);
    Open(MakeClocksPage);
    page->OnControl(IDC_CLKI2_TIMING, ControlEvent::FocusLost);
    EXPECT_EQ(app.diagnostics.lock, 0);

    const std::size_t items = view[IDC_CLKI_TIMING].items.size();
    Type(IDC_CLKI_TIMING, "120");
    EXPECT_EQ(Get(regs::kIdClkI), 120000000u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].text, "120.000");
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, -1);
    Type(IDC_CLKI_TIMING, "14.318");
    EXPECT_EQ(view[IDC_CLKI_TIMING].items.size(), items);
    Pick(IDC_CLKI_TIMING, 6);
    EXPECT_EQ(Get(regs::kIdClkI), 25175000u);
    EXPECT_EQ(view[IDC_CLKI_TIMING].selection, 6);
    EXPECT_EQ(view[IDC_CLKI_ACTUAL].text, " 25.172 MHz"); // the clock chip's nearest
    Type(IDC_CLKI_TIMING, "0.390");
    EXPECT_EQ(app.diagnostics.lock, IDC_CLKI_TIMING);
    EXPECT_EQ(view[IDC_CLKI_TIMING].text, "25.175");
}

TEST_F(ClocksPage, ListsActOnSelectionAndOnlyOnAChangedOneWhenLeft) {
    Set(regs::kIdAutoMclkDivide, 1);
    Open(MakeClocksPage);
    page->OnControl(IDC_MCLK_DIVIDE, ControlEvent::FocusLost); // passing through
    EXPECT_EQ(Get(regs::kIdAutoMclkDivide), 1u);
    view[IDC_MCLK_DIVIDE].selection = 1; // a change the list did not announce
    page->OnControl(IDC_MCLK_DIVIDE, ControlEvent::FocusLost);
    EXPECT_EQ(Get(regs::kIdMclkDivide), 2u);
    EXPECT_EQ(Get(regs::kIdAutoMclkDivide), 0u);

    Pick(IDC_PCLK_SOURCE, 2); // CLKI, 50 MHz
    Pick(IDC_PCLK_DIVIDE, 2); // 2:1
    EXPECT_EQ(view[IDC_PCLK_TIMING].text, " 25.000 MHz");
    EXPECT_EQ(Get(regs::kIdFrameRate), 25000000u / (352 * 251));
}

TEST_F(ClocksPage, PwmGroupFollowsItsBoxesAndTheDutyCycleItsControls) {
    Set(regs::kIdPwmEnabled, 1);
    Open(MakeClocksPage);
    page->OnScroll(IDC_DUTY_CYCLE_SLIDER, ScrollEvent::ThumbPosition, 64);
    EXPECT_EQ(Get(regs::kIdDutyCycle), 64u);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SPIN].position, 64);
    page->OnScroll(IDC_DUTY_CYCLE_SPIN, ScrollEvent::ThumbPosition, 65);
    EXPECT_EQ(view[IDC_DUTY_CYCLE_SLIDER].position, 65);
    EXPECT_EQ(view[IDC_DUTY_CYCLE].text, "65");

    Click(IDC_PWMCLK_ENABLE, false);
    for (int control = IDC_PWMCLK_SOURCE_LABEL; control <= IDC_DUTY_CYCLE_SLIDER; ++control) {
        EXPECT_FALSE(view[control].enabled) << control;
    }
    EXPECT_TRUE(view[IDC_PWMCLK_FORCE_HIGH].enabled);
    Click(IDC_PWMCLK_FORCE_HIGH, true);
    EXPECT_EQ(view[IDC_PWMCLK_TIMING].text, " Forced High");
}

// A refusal of the change itself, not of the entry, is shown as an error
// without holding the field.
TEST_F(ClocksPage, DutyCycleOfARegisterTheTableLacksIsRefusedWithoutTheLock) {
    const std::uint32_t reg = regs::kFieldTable[regs::FindField(regs::kIdDutyCycle)].Register;
    Config().Record.Regs[Config().FindRegisterEntry(reg)].Index = 0x18;
    Open(MakeClocksPage);
    Type(IDC_DUTY_CYCLE, "12");
    EXPECT_EQ(app.diagnostics.lock, 0);
    EXPECT_TRUE(pane.errorColour);
    EXPECT_EQ(pane.text.rfind("ERROR: PWMOUT Duty Cycle cannot be set", 0), 0u) << pane.text;
    Type(IDC_DUTY_CYCLE, "x");
    EXPECT_EQ(app.diagnostics.lock, 0) << "the change is refused before the entry is read";
}

TEST_F(PageTest, EveryControlOfTheFirstThreePagesHasATip) {
    app.tooltips.enabled = true;
    const struct {
        int first;
        int last;
        int note; // has none
    } kPages[] = {
        {IDC_PLATFORM_TAVEX, IDC_CLOCK_CHIP_SUPPORT, IDC_GENERAL_NOTE},
        {IDC_BPP_1, IDC_DESCRIPTION, IDC_PREFERENCES_NOTE},
        {IDC_CLKI_TIMING, IDC_DUTY_CYCLE_SLIDER, IDC_CLOCKS_NOTE},
    };
    for (const auto& page : kPages) {
        for (int control = page.first; control <= page.last; ++control) {
            const bool unused = control > IDC_DOUBLE_VERTICAL && control < IDC_DESCRIPTION;
            EXPECT_EQ(TooltipText(app, nullptr, control).empty(), control == page.note || unused)
                << control;
        }
    }
    EXPECT_EQ(TooltipText(app, nullptr, IDC_SWIVEL_180),
              regs::FieldHelpForId(regs::kIdSwivelViewRaw));
    EXPECT_EQ(TooltipText(app, nullptr, IDC_PLATFORM_SH3),
              "Selects physical addresses for Hitachi SH-3 LCEVB platform.");
    // The PCLK divide list shows two settings, its "Auto" item the second.
    const std::string divide = TooltipText(app, nullptr, IDC_PCLK_DIVIDE);
    EXPECT_NE(divide.find(regs::FieldHelpForId(regs::kIdPclkDivideRaw)), std::string::npos);
    EXPECT_NE(divide.find(regs::FieldHelpForId(regs::kIdAutoPclkDivide)), std::string::npos);
    // The pixel clock shows on two pages; the later binding must not take
    // the earlier page's tip.
    EXPECT_EQ(TooltipText(app, nullptr, IDC_PCLK_TIMING),
              regs::FieldHelpForId(regs::kIdPixelClock));
    EXPECT_EQ(TooltipText(app, nullptr, IDC_PIXEL_CLOCK),
              regs::FieldHelpForId(regs::kIdPixelClock));
}

} // namespace
} // namespace k7r::cfgui
