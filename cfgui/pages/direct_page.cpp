#include "cfgui/pages/direct_page.h"

#include "cfgui/application.h"
#include "cfgui/page_context.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/chip_session.h"
#include "edit/test_pattern.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <string>

namespace k7r::cfgui {
namespace {

constexpr HelpRow kHelpRows[] = {
    {0, IDC_SOFTWARE_RESET, 0, "Perform a software reset of the chip before initialization."},
    {0, IDC_PROGRAM_CLOCK_CHIP, 0,
     "Program the ICD2061A clock chip with CLKI and CLKI2 frequencies before initialization."},
    {0, IDC_INIT_REGISTERS, 0, "Program all K7R%s registers during initialization."},
    {0, IDC_INIT_LOOKUP_TABLE, 0, "Program the K7R%s lookup table during initialization."},
    {0, IDC_CLEAR_VIDEO_MEMORY, 0, "Clear K7R%s video memory after initialization."},
    {0, IDC_INITIALIZE_CHIP, 0,
     "Initialize the K7R%s with all the current configuration settings.  If initialization is "
     "successful then the additional options will be available."},
    {0, IDC_SHUTDOWN_CHIP, 0, "Perform an IMMEDIATE shutdown of the chip."},
    {0, IDC_DRAW_TEST_PATTERN, 0, "Draw a test pattern in K7R%s video memory."},
    {0, IDC_WRITE_IMMEDIATELY, 0,
     "Enables all configuration changes to be written to the physical chip "
     "immediately,\"Hot to Chip\"."},
    {0, IDC_REDRAW_AFTER_CHANGE, 0,
     "Always re-draw the test pattern in K7R%s video memory after each configuration setting "
     "change."},
    {0, IDC_DIRECT_NOTE, 0,
     "This field shows important information regarding the use of Direct Access."},
};

// The initialization option each check box holds.
struct OptionBox {
    int control;
    bool edit::InitSteps::*option;
};
constexpr OptionBox kOptionBoxes[] = {
    {IDC_SOFTWARE_RESET, &edit::InitSteps::softwareReset},
    {IDC_PROGRAM_CLOCK_CHIP, &edit::InitSteps::programClockChip},
    {IDC_INIT_REGISTERS, &edit::InitSteps::initializeRegisters},
    {IDC_INIT_LOOKUP_TABLE, &edit::InitSteps::initializeLookupTable},
    {IDC_CLEAR_VIDEO_MEMORY, &edit::InitSteps::clearVideoMemory},
};

// Usable once the chip is bound to the configuration.
constexpr int kBoundControls[] = {IDC_ADDITIONAL_OPTIONS, IDC_WRITE_IMMEDIATELY,
                                  IDC_DRAW_TEST_PATTERN, IDC_SHUTDOWN_CHIP};

class DirectPage final : public Page {
  public:
    explicit DirectPage(PageContext& context) : context_(context) {}

    void Open() override;
    void OnControl(int control, ControlEvent event) override;
    std::optional<TextColour> TextColourOf(int control) override;

  private:
    config::WorkingConfig& Config() { return context_.Config(); }
    void RefreshState();
    void Report(int control, const std::string& message = {});

    PageContext& context_;
};

// The software reset stays hidden: its option (off) is passed as stored.
void DirectPage::Open() {
    View& view = context_.Controls();
    const edit::InitSteps& steps = context_.Session().initSteps;
    for (const OptionBox& box : kOptionBoxes) {
        view.SetChecked(box.control, steps.*box.option);
    }
    view.Show(IDC_SOFTWARE_RESET, false);
    const bool clockChip = regs::GetFieldValue(Config(), regs::kIdClockChip) != 0;
    view.SetChecked(IDC_PROGRAM_CLOCK_CHIP, steps.programClockChip && clockChip);
    view.Enable(IDC_PROGRAM_CLOCK_CHIP, clockChip);
    RefreshState();
}

void DirectPage::RefreshState() {
    View& view = context_.Controls();
    const config::WorkingConfig& config = Config();
    view.SetChecked(IDC_WRITE_IMMEDIATELY, config.Live);
    view.SetChecked(IDC_REDRAW_AFTER_CHANGE, config.AutoRedraw);
    for (const int control : kBoundControls) {
        view.Enable(control, config.Bound);
    }
    view.Enable(IDC_REDRAW_AFTER_CHANGE, config.Live);
    context_.Services().KeepLiveTimer();
}

void DirectPage::Report(int control, const std::string& message) {
    context_.ReportStatus(control, kReportRemember | kReportDontRemember, message);
}

void DirectPage::OnControl(int control, ControlEvent event) {
    if (event != ControlEvent::Clicked) {
        return;
    }
    View& view = context_.Controls();
    edit::InitSteps& steps = context_.Session().initSteps;
    for (const OptionBox& box : kOptionBoxes) {
        if (box.control == control) {
            steps.*box.option = view.Checked(control);
            return;
        }
    }
    switch (control) {
    case IDC_INITIALIZE_CHIP: {
        std::string message;
        edit::InitializeFromWorkingConfig(Config(), steps, &message);
        RefreshState();
        Report(control, message);
        break;
    }
    case IDC_SHUTDOWN_CHIP:
        edit::ShutdownChip(Config());
        RefreshState();
        Report(control);
        break;
    case IDC_DRAW_TEST_PATTERN:
        edit::DrawTestPattern(Config(), true);
        break;
    case IDC_WRITE_IMMEDIATELY:
        edit::SetLive(Config(), view.Checked(control));
        RefreshState();
        Report(control);
        break;
    case IDC_REDRAW_AFTER_CHANGE:
        edit::SetAutoRedraw(Config(), view.Checked(control));
        RefreshState();
        Report(control);
        break;
    default:
        break;
    }
}

std::optional<TextColour> DirectPage::TextColourOf(int control) {
    return control == IDC_DIRECT_NOTE ? std::optional(kDarkRed) : std::nullopt;
}

} // namespace

const std::span<const HelpRow> kDirectHelp = kHelpRows;

std::unique_ptr<Page> MakeDirectPage(PageContext& context) {
    return std::make_unique<DirectPage>(context);
}

} // namespace k7r::cfgui
