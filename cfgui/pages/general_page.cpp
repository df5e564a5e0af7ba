#include "cfgui/pages/general_page.h"

#include "cfgui/chip_text.h"
#include "cfgui/page_context.h"
#include "cfgui/pages/page_edits.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/rules/general_rules.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <array>

namespace k7r::cfgui {
namespace {

using edit::Platform;

// The option buttons in the order of the platform table.
constexpr std::array<int, edit::kPlatformCount> kPlatformButtons = {
    IDC_PLATFORM_TAVEX, IDC_PLATFORM_DRAGONBALL, IDC_PLATFORM_IDP68000, IDC_PLATFORM_IDP68030,
    IDC_PLATFORM_SH3,   IDC_PLATFORM_REDCAP,     IDC_PLATFORM_USER,
};

struct AddressField {
    int control;
    std::uint32_t setting;
};
constexpr std::array<AddressField, 2> kAddressFields = {{
    {IDC_REGISTER_ADDRESS, regs::kIdRegPhysAddr},
    {IDC_BUFFER_ADDRESS, regs::kIdMemPhysAddr},
}};
constexpr int kAddressDigits = 8;

// Labels with "%s" for the chip's identifier.
constexpr std::array<int, 2> kChipLabels = {IDC_PLATFORM_TAVEX, IDC_GENERAL_NOTE};

constexpr std::array<HelpRow, 11> kRows = {{
    {0, IDC_PLATFORM_TAVEX, 0, "Physical addresses automatically assigned by the system."},
    {0, IDC_PLATFORM_DRAGONBALL, 0,
     "Selects physical addresses for Motorola MC68VZ328 (\"DragonBall\") on the Palm "
     "\"Hurricane\" development platform."},
    {0, IDC_PLATFORM_IDP68000, 0, "Selects physical addresses for Motorola IDP 68000 platform."},
    {0, IDC_PLATFORM_IDP68030, 0, "Selects physical addresses for Motorola IDP 68030 platform."},
    {0, IDC_PLATFORM_SH3, 0, "Selects physical addresses for Hitachi SH-3 LCEVB platform."},
    {0, IDC_PLATFORM_REDCAP, 0,
     "Selects physical addresses for Motorola DSP56654 (\"RedCap\") platform."},
    {0, IDC_PLATFORM_USER, 0, "Allows manual entry of physical addresses."},
    {regs::kIdRegPhysAddr, IDC_REGISTER_ADDRESS, 0, {}},
    {regs::kIdMemPhysAddr, IDC_BUFFER_ADDRESS, 0, {}},
    {regs::kIdUsbEnable, IDC_USB_SUPPORT, 0, {}},
    {regs::kIdClockChip, IDC_CLOCK_CHIP_SUPPORT, 0, {}},
}};

class GeneralPage : public Page {
  public:
    explicit GeneralPage(PageContext& context) : context_(context) {}

    void Open() override {
        View& view = context_.Controls();
        for (const int label : kChipLabels) {
            view.SetText(label, FillChipId(view.Text(label)));
        }
        for (const AddressField& field : kAddressFields) {
            view.SetTextLimit(field.control, kAddressDigits);
        }
        chosen_ = edit::CurrentPlatform(context_.Session());
        ShowPlatform();
        ShowBoxes();
    }

    void OnControl(int control, ControlEvent event) override {
        if (event == ControlEvent::FocusLost) {
            LeaveAddress(control);
            return;
        }
        if (event != ControlEvent::Clicked) {
            return;
        }
        if (control == IDC_USB_SUPPORT) {
            SetBox(control, edit::SetUsbSupport);
        } else if (control == IDC_CLOCK_CHIP_SUPPORT) {
            SetBox(control, edit::SetClockChipSupport);
        } else {
            for (std::size_t row = 0; row < kPlatformButtons.size(); ++row) {
                if (control == kPlatformButtons[row]) {
                    Choose(static_cast<Platform>(row));
                }
            }
        }
    }

    std::optional<TextColour> TextColourOf(int control) override {
        return control == IDC_GENERAL_NOTE ? std::optional(kDarkBlue) : std::nullopt;
    }

  private:
    void ShowPlatform() {
        View& view = context_.Controls();
        for (std::size_t row = 0; row < kPlatformButtons.size(); ++row) {
            view.SetChecked(kPlatformButtons[row], static_cast<Platform>(row) == chosen_);
        }
        for (const AddressField& field : kAddressFields) {
            view.Enable(field.control, chosen_ == Platform::UserDefined);
            view.SetText(field.control,
                         edit::AddressText(context_.Session(), chosen_, field.setting));
        }
    }

    // The clock chip box is cleared and disabled while the panel type's
    // interface holds the clock chip's pins.
    void ShowBoxes() {
        View& view = context_.Controls();
        config::WorkingConfig& config = context_.Config();
        view.SetChecked(IDC_USB_SUPPORT, regs::GetFieldValue(config, regs::kIdUsbEnable) != 0);
        const bool locked = edit::ClockChipSupportLocked(context_.Session());
        view.Enable(IDC_CLOCK_CHIP_SUPPORT, !locked);
        view.SetChecked(IDC_CLOCK_CHIP_SUPPORT,
                        !locked && regs::GetFieldValue(config, regs::kIdClockChip) != 0);
    }

    void Choose(Platform platform) {
        if (platform == chosen_) {
            return;
        }
        chosen_ = platform;
        const edit::EditResult result = edit::ChoosePlatform(context_.Session(), platform);
        ShowPlatform();
        ShowChoice(context_, kPlatformButtons[static_cast<std::size_t>(platform)], result);
    }

    // Only User-Defined's fields take entries; the others are disabled.
    void LeaveAddress(int control) {
        if (chosen_ != Platform::UserDefined) {
            return;
        }
        for (const AddressField& field : kAddressFields) {
            if (control == field.control) {
                ShowFieldEntry(context_, control,
                               edit::EnterAddress(context_.Session(), field.setting,
                                                  context_.Controls().Text(control)));
            }
        }
    }

    void SetBox(int control, edit::EditResult (*rule)(edit::EditSession&, bool)) {
        const bool on = context_.Controls().Checked(control);
        if (!ShowChoice(context_, control, rule(context_.Session(), on))) {
            ShowBoxes();
        }
    }

    PageContext& context_;
    // The row whose button is checked: worked out from the addresses when
    // the page opens, then the user's choice.
    Platform chosen_ = Platform::Tavex;
};

} // namespace

const std::span<const HelpRow> kGeneralHelp = kRows;

std::unique_ptr<Page> MakeGeneralPage(PageContext& context) {
    return std::make_unique<GeneralPage>(context);
}

} // namespace k7r::cfgui
