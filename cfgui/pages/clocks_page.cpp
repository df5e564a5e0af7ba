#include "cfgui/pages/clocks_page.h"

#include "cfgui/field_readers.h"
#include "cfgui/page_context.h"
#include "cfgui/pages/page_edits.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/field_text.h"
#include "edit/rules/clocks_rules.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <array>

namespace k7r::cfgui {
namespace {

struct SettingControl {
    int control;
    std::uint32_t setting;
};

// Editable drop-down lists of MHz.
constexpr std::array<SettingControl, 2> kInputClocks = {{
    {IDC_CLKI_TIMING, regs::kIdClkI},
    {IDC_CLKI2_TIMING, regs::kIdClkI2},
}};

// Drop-down lists whose selected item is their setting's value.
constexpr std::array<SettingControl, 5> kIndexLists = {{
    {IDC_PCLK_SOURCE, regs::kIdPclkSource},
    {IDC_BCLK_SOURCE, regs::kIdBclkSource},
    {IDC_BCLK_DIVIDE, regs::kIdBclkDivideList},
    {IDC_PWMCLK_SOURCE, regs::kIdPwmSource},
    {IDC_PWMCLK_DIVIDE, regs::kIdPwmDivideRaw},
}};

// Every source and divide list: those above, and the MCLK and PCLK divides
// with rules of their own.
constexpr std::array<int, 7> kChoiceLists = {
    IDC_PCLK_SOURCE,   IDC_BCLK_SOURCE, IDC_BCLK_DIVIDE, IDC_PWMCLK_SOURCE,
    IDC_PWMCLK_DIVIDE, IDC_MCLK_DIVIDE, IDC_PCLK_DIVIDE,
};

constexpr std::array<SettingControl, 2> kPwmBoxes = {{
    {IDC_PWMCLK_ENABLE, regs::kIdPwmEnabled},
    {IDC_PWMCLK_FORCE_HIGH, regs::kIdPwmHigh},
}};

// The PCLK divide list's first item; the divides of setting 33 follow.
constexpr std::string_view kAutoItem = "Auto";

// Enabled only while the PWM clock is: its labels, lists, timing text and
// the duty cycle's field, spin buttons and slider.
constexpr int kFirstPwmControl = IDC_PWMCLK_SOURCE_LABEL;
constexpr int kLastPwmControl = IDC_DUTY_CYCLE_SLIDER;

constexpr int kDutyCycleDigits = 4;
constexpr unsigned kDutyCycleStep = 1;

constexpr std::array<HelpRow, 19> kRows = {{
    {regs::kIdClkI, IDC_CLKI_TIMING, 0, {}},
    {0, IDC_CLKI_ACTUAL, 0,
     "This field indicates the effective frequency of CLKI. If the clock chip is being used to "
     "generate CLKI rather than an oscillator, then the actual frequency may be slightly "
     "different than the specified frequency."},
    {regs::kIdClkI2, IDC_CLKI2_TIMING, 0, {}},
    {0, IDC_CLKI2_ACTUAL, 0,
     "This field indicates the effective frequency of CLKI2. If the clock chip is being used to "
     "generate CLKI2 rather than an oscillator, then the actual frequency may be slightly "
     "different than the specified frequency."},
    {regs::kIdPclkSource, IDC_PCLK_SOURCE, 0, {}},
    {regs::kIdPclkDivideRaw, IDC_PCLK_DIVIDE, 0, {}},
    {regs::kIdAutoPclkDivide, IDC_PCLK_DIVIDE, 0, {}},
    {regs::kIdPixelClock, IDC_PCLK_TIMING, 0, {}},
    {regs::kIdBclkSource, IDC_BCLK_SOURCE, 0, {}},
    {regs::kIdBclkDivideList, IDC_BCLK_DIVIDE, 0, {}},
    {regs::kIdBusClock, IDC_BCLK_TIMING, 0, {}},
    {regs::kIdMclkDivideRaw, IDC_MCLK_DIVIDE, 0, {}},
    {regs::kIdMemoryClock, IDC_MCLK_TIMING, 0, {}},
    {regs::kIdPwmEnabled, IDC_PWMCLK_ENABLE, 0, {}},
    {regs::kIdPwmHigh, IDC_PWMCLK_FORCE_HIGH, 0, {}},
    {regs::kIdPwmSource, IDC_PWMCLK_SOURCE_LABEL, IDC_PWMCLK_SOURCE, {}},
    {regs::kIdPwmDivideRaw, IDC_PWMCLK_DIVIDE_LABEL, IDC_PWMCLK_DIVIDE, {}},
    {0, IDC_PWMCLK_TIMING_LABEL, IDC_PWMCLK_TIMING,
     "This field indicates the effective frequency of PWMCLK.\n"
     "__________________________________________________\n"
     "PWM Clock Timing = (Source / Divide / 256)"},
    {regs::kIdDutyCycle, IDC_DUTY_CYCLE_LABEL, IDC_DUTY_CYCLE_SLIDER, {}},
}};

class ClocksPage : public Page {
  public:
    explicit ClocksPage(PageContext& context) : context_(context) {}

    void Open() override {
        View& view = context_.Controls();
        config::WorkingConfig& config = context_.Config();
        for (const SettingControl& clock : kInputClocks) {
            FillList(clock);
            AddInputClockItem(clock);
        }
        for (const SettingControl& list : kIndexLists) {
            FillList(list);
        }
        FillList({IDC_MCLK_DIVIDE, regs::kIdMclkDivideRaw});
        view.AddItem(IDC_PCLK_DIVIDE, kAutoItem);
        FillList({IDC_PCLK_DIVIDE, regs::kIdPclkDivideRaw});

        const auto low = static_cast<int>(regs::GetFieldMin(config, regs::kIdDutyCycle));
        const auto high = static_cast<int>(regs::GetFieldMax(config, regs::kIdDutyCycle));
        view.SetRange(IDC_DUTY_CYCLE_SPIN, low, high);
        view.SetRange(IDC_DUTY_CYCLE_SLIDER, low, high);
        view.AttachSlider(IDC_DUTY_CYCLE_SLIDER, IDC_DUTY_CYCLE, kDutyCycleStep);
        view.SetTextLimit(IDC_DUTY_CYCLE, kDutyCycleDigits);

        ShowSelections();
        ShowBoxes();
        ShowDutyCycle();
        ShowFrequencies();
    }

    void OnControl(int control, ControlEvent event) override {
        if (event == ControlEvent::Clicked) {
            ClickBox(control);
            return;
        }
        if (control == IDC_DUTY_CYCLE) {
            if (event == ControlEvent::FocusLost) {
                LeaveDutyCycle();
            }
            return;
        }
        // The lists act on a new selection, and again when they lose the
        // focus, which commits what was typed into an input clock's field.
        if (event != ControlEvent::SelectionChanged && event != ControlEvent::FocusLost) {
            return;
        }
        for (const SettingControl& clock : kInputClocks) {
            if (control == clock.control) {
                EnterInputClock(clock);
                return;
            }
        }
        ChooseItem(control, event);
    }

    // The slider reports where it was moved to, the spin buttons where they
    // stepped to (they write the field themselves).
    void OnScroll(int control, ScrollEvent event, int position) override {
        const bool slider = control == IDC_DUTY_CYCLE_SLIDER && event != ScrollEvent::Other;
        const bool spin = control == IDC_DUTY_CYCLE_SPIN && event == ScrollEvent::ThumbPosition;
        if ((!slider && !spin) || position < 0) {
            return;
        }
        ShowChoice(context_, control,
                   edit::MoveDutyCycle(context_.Session(), static_cast<std::uint32_t>(position)));
        ShowDutyCycle();
    }

    std::optional<TextColour> TextColourOf(int control) override {
        return control == IDC_CLOCKS_NOTE ? std::optional(kDarkBlue) : std::nullopt;
    }

  private:
    void FillList(const SettingControl& list) {
        View& view = context_.Controls();
        for (std::uint32_t item = 0;; ++item) {
            const std::optional<std::string> text =
                regs::GetFieldListText(context_.Config(), list.setting, item);
            if (!text) {
                break;
            }
            view.AddItem(list.control, *text);
        }
    }

    std::string InputClockText(const SettingControl& clock) {
        return edit::FormatMhz(regs::GetFieldValue(context_.Config(), clock.setting));
    }

    // The item that shows the input clock's frequency; -1 when none does.
    int InputClockItem(const SettingControl& clock) {
        View& view = context_.Controls();
        const std::string shown = InputClockText(clock);
        for (int item = 0; item < view.ItemCount(clock.control); ++item) {
            if (view.ItemText(clock.control, item) == shown) {
                return item;
            }
        }
        return -1;
    }

    // A frequency that is no list text becomes an item when the page opens;
    // one typed later stays the field's text only.
    void AddInputClockItem(const SettingControl& clock) {
        if (InputClockItem(clock) < 0) {
            context_.Controls().AddItem(clock.control, InputClockText(clock));
        }
    }

    void SelectInputClock(const SettingControl& clock) {
        View& view = context_.Controls();
        view.Select(clock.control, InputClockItem(clock));
        view.SetText(clock.control, InputClockText(clock));
    }

    // The item a divide or source list shows for its settings; -1 for
    // controls that are no such list.
    int ShownItem(int control) {
        edit::EditSession& session = context_.Session();
        if (control == IDC_PCLK_DIVIDE) {
            return static_cast<int>(edit::PclkDivideItem(session));
        }
        if (control == IDC_MCLK_DIVIDE) {
            return static_cast<int>(regs::GetFieldValue(session.config, regs::kIdMclkDivideRaw));
        }
        for (const SettingControl& list : kIndexLists) {
            if (control == list.control) {
                return static_cast<int>(regs::GetFieldValue(session.config, list.setting));
            }
        }
        return -1;
    }

    void ShowSelections() {
        View& view = context_.Controls();
        for (const SettingControl& clock : kInputClocks) {
            SelectInputClock(clock);
        }
        for (const int list : kChoiceLists) {
            view.Select(list, ShownItem(list));
        }
    }

    void ShowBoxes() {
        View& view = context_.Controls();
        for (const SettingControl& box : kPwmBoxes) {
            view.SetChecked(box.control, regs::GetFieldValue(context_.Config(), box.setting) > 0);
        }
        const bool enabled = regs::GetFieldValue(context_.Config(), regs::kIdPwmEnabled) > 0;
        for (int control = kFirstPwmControl; control <= kLastPwmControl; ++control) {
            view.Enable(control, enabled);
        }
    }

    // The field, its spin buttons and its slider show the setting.
    void ShowDutyCycle() {
        View& view = context_.Controls();
        const std::uint32_t value = regs::GetFieldValue(context_.Config(), regs::kIdDutyCycle);
        view.SetText(IDC_DUTY_CYCLE, std::to_string(value));
        view.SetPosition(IDC_DUTY_CYCLE_SPIN, static_cast<int>(value));
        view.SetPosition(IDC_DUTY_CYCLE_SLIDER, static_cast<int>(value));
    }

    void ShowFrequencies() {
        View& view = context_.Controls();
        const edit::ClockTexts texts = edit::FrequencyTexts(context_.Session());
        view.SetText(IDC_CLKI_ACTUAL, texts.clkiActual);
        view.SetText(IDC_CLKI2_ACTUAL, texts.clki2Actual);
        view.SetText(IDC_PCLK_TIMING, texts.pixelClock);
        view.SetText(IDC_BCLK_TIMING, texts.busClock);
        view.SetText(IDC_MCLK_TIMING, texts.memoryClock);
        view.SetText(IDC_PWMCLK_TIMING, texts.pwmClock);
    }

    // A field that still shows its setting's frequency holds no entry: a
    // configuration whose clock the field would refuse does not trap the
    // focus there.
    void EnterInputClock(const SettingControl& clock) {
        const std::string text = MilliFieldText(context_.Controls(), clock.control);
        if (text == edit::FormatMhz(regs::GetFieldValue(context_.Config(), clock.setting))) {
            context_.ClearBadEntry(clock.control);
            return;
        }
        const edit::EditResult result =
            edit::EnterInputClock(context_.Session(), clock.setting, text);
        ShowFieldEntry(context_, clock.control, result);
        if (result.accepted()) {
            SelectInputClock(clock);
            ShowFrequencies();
        }
    }

    // Losing the focus applies a selection only when it is not the one
    // shown: passing through the MCLK divide list must not switch "Auto
    // MCLK Div" off.
    void ChooseItem(int control, ControlEvent event) {
        const int selection = context_.Controls().Selection(control);
        if (selection < 0 ||
            (event == ControlEvent::FocusLost && selection == ShownItem(control))) {
            return;
        }
        edit::EditSession& session = context_.Session();
        const auto item = static_cast<std::uint32_t>(selection);
        std::optional<edit::EditResult> result;
        if (control == IDC_PCLK_DIVIDE) {
            result = edit::ChoosePclkDivideItem(session, item);
        } else if (control == IDC_MCLK_DIVIDE) {
            result = edit::ChooseMclkDivide(session, item);
        }
        for (const SettingControl& list : kIndexLists) {
            if (control == list.control) {
                result = edit::ChooseClockListItem(session, list.setting, item);
            }
        }
        if (!result) {
            return;
        }
        if (!ShowChoice(context_, control, *result)) {
            ShowSelections();
        }
        ShowFrequencies();
    }

    void ClickBox(int control) {
        for (const SettingControl& box : kPwmBoxes) {
            if (control == box.control) {
                const bool on = context_.Controls().Checked(control);
                ShowChoice(context_, control,
                           edit::SetPwmClockBox(context_.Session(), box.setting, on));
                ShowBoxes();
                ShowFrequencies();
            }
        }
    }

    void LeaveDutyCycle() {
        const edit::EditResult result =
            edit::LeaveDutyCycle(context_.Session(), context_.Controls().Text(IDC_DUTY_CYCLE));
        ShowFieldEntry(context_, IDC_DUTY_CYCLE, result);
        if (result.accepted()) {
            ShowDutyCycle();
        }
    }

    PageContext& context_;
};

} // namespace

const std::span<const HelpRow> kClocksHelp = kRows;

std::unique_ptr<Page> MakeClocksPage(PageContext& context) {
    return std::make_unique<ClocksPage>(context);
}

} // namespace k7r::cfgui
