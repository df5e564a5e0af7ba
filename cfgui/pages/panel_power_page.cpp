#include "cfgui/pages/panel_power_page.h"

#include "cfgui/page_context.h"
#include "cfgui/pages/page_edits.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/rules/power_rules.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <array>
#include <string_view>
#include <utility>

namespace k7r::cfgui {
namespace {

constexpr int kDelayFieldLength = 5;

// The texts of the power box and of the note beside the pins, by the pin
// family that switches panel power.
struct FamilyTexts {
    std::string_view box;
    std::string_view note;
};
constexpr FamilyTexts kGpoTexts = {
    "&Enable power panel support (using GPO)",
    "A GPO pin can be used to control panel power on 58C22 R01B eval board."};
constexpr FamilyTexts kGpioTexts = {
    "&Enable power panel support (using GPIO)",
    "A GPIO pin can be used to control panel power on 58C22 R01B eval board."};

constexpr std::array<HelpRow, 5> kRows = {{
    {0, IDC_POWER_ENABLE, 0,
     "Enables software control of the DISPLAY signal (panel power). If a HR-TFT, TFT Type 2, TFT "
     "Type 3 or Case TFT panel is selected, enables software control via GPO Control."},
    {0, IDC_POWER_PIN_TEXT, IDC_POWER_PIN_7,
     "Selects which GPIO pin is used to control the DISPLAY signal (panel power). Some GPIO pins "
     "cannot be used to control panel power when RESERVED by the following conditions:\n"
     "1. Enabling USB reserves GPIO[7:4].\n"
     "2. Enabling clock chip reserves GPIO[3:1]."},
    {0, IDC_POWER_PIN_8, IDC_POWER_PIN_10,
     "Selects which GPO pin is used to control the DISPLAY signal (panel power). GPO pins 1-10 "
     "cannot be used to control panel power when the panel type is TFT Type 3."},
    {regs::kIdPowerOnTime, IDC_POWER_ON_DELAY, 0, {}},
    {regs::kIdPowerOffTime, IDC_POWER_OFF_DELAY, 0, {}},
}};

class PanelPowerPage : public Page {
  public:
    explicit PanelPowerPage(PageContext& context) : context_(context) {}

    void Open() override {
        edit::OpenPowerPage(context_.Session());
        Refresh();
        View& view = context_.Controls();
        for (const auto& [control, id] : kDelayFields) {
            view.SetTextLimit(control, kDelayFieldLength);
            view.SetText(control, std::to_string(regs::GetFieldValue(context_.Config(), id)));
        }
    }

    void OnControl(int control, ControlEvent event) override {
        if (control == IDC_POWER_ENABLE && event == ControlEvent::Clicked) {
            Report(control,
                   edit::SetPanelPower(context_.Session(), context_.Controls().Checked(control)));
        } else if (control >= IDC_POWER_PIN_0 && control <= IDC_POWER_PIN_10 &&
                   event == ControlEvent::Clicked) {
            Report(control, edit::ChoosePowerPin(context_.Session(),
                                                 static_cast<unsigned>(control - IDC_POWER_PIN_0)));
        } else if (event == ControlEvent::FocusLost) {
            for (const auto& [field, id] : kDelayFields) {
                if (control == field) {
                    LeaveDelay(field, id);
                }
            }
        }
    }

  private:
    static constexpr std::pair<int, std::uint32_t> kDelayFields[] = {
        {IDC_POWER_ON_DELAY, regs::kIdPowerOnTime},
        {IDC_POWER_OFF_DELAY, regs::kIdPowerOffTime},
    };

    // The box, the note and the pins of the panel type's family: the
    // family's pins alone are shown, and only while power control is on can
    // the free ones be chosen.
    void Refresh() {
        edit::EditSession& session = context_.Session();
        View& view = context_.Controls();
        const bool gpo = edit::PowerThroughGpo(session);
        const FamilyTexts& texts = gpo ? kGpoTexts : kGpioTexts;
        const std::uint32_t mask = regs::GetFieldValue(
            session.config, gpo ? regs::kIdGpoPowerMask : regs::kIdGpioPowerMask);
        const bool on = mask != 0;
        view.SetText(IDC_POWER_ENABLE, texts.box);
        view.SetChecked(IDC_POWER_ENABLE, on);
        view.SetText(IDC_POWER_PIN_TEXT, texts.note);
        const unsigned pins = gpo ? edit::kGpoPinCount : edit::kGpioPinCount;
        for (unsigned pin = 0; pin < edit::kGpoPinCount; ++pin) {
            const int control = IDC_POWER_PIN_0 + static_cast<int>(pin);
            view.Show(control, pin < pins);
            view.SetChecked(control, on && (mask >> pin & 1) != 0);
            view.Enable(control, on && edit::PowerPinAllowed(session, pin));
        }
    }

    void Report(int control, const edit::EditResult& result) {
        Refresh();
        ShowChoice(context_, control, result);
    }

    void LeaveDelay(int control, std::uint32_t id) {
        ShowFieldEntry(
            context_, control,
            edit::LeavePowerDelay(context_.Session(), id, context_.Controls().Text(control)));
    }

    PageContext& context_;
};

} // namespace

const std::span<const HelpRow> kPanelPowerHelpRows = kRows;

std::unique_ptr<Page> MakePanelPowerPage(PageContext& context) {
    return std::make_unique<PanelPowerPage>(context);
}

} // namespace k7r::cfgui
