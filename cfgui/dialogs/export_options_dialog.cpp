#include "cfgui/dialogs/export_options_dialog.h"

#include "cfgui/field_readers.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"

#include <string>

namespace k7r::cfgui {
namespace {

// The flags the dialog chooses, each with the control that sets it.
struct FlagChoice {
    int control;
    std::uint32_t flag;
};
constexpr FlagChoice kFlagChoices[] = {
    {IDC_SOFTWARE_CURSOR, exporter::mfSWCURSOR},
    {IDC_SOFTWARE_ACCELERATION, exporter::mfSWEMUL},
    {IDC_HARDWARE_ACCELERATION, exporter::mfHWBLT},
};

constexpr int kModeNumberControls[] = {IDC_MODE_NUMBER_LABEL, IDC_MODE_NUMBER,
                                       IDC_MODE_NUMBER_SPIN};

} // namespace

void ExportOptionsDialog::Open() {
    view_.SetRange(IDC_MODE_NUMBER_SPIN, 0, static_cast<int>(exporter::kMaxModeNumber));
    view_.SetPosition(IDC_MODE_NUMBER_SPIN, static_cast<int>(options_.ModeNumber));
    view_.SetText(IDC_MODE_NUMBER, std::to_string(options_.ModeNumber));
    for (const FlagChoice& choice : kFlagChoices) {
        view_.SetChecked(choice.control, (options_.ModeFlags & choice.flag) != 0);
    }
    view_.SetChecked(IDC_NO_CURSOR, (options_.ModeFlags & exporter::mfSWCURSOR) == 0);
    for (const int control : kModeNumberControls) {
        view_.Show(control, showModeNumber_);
    }
}

void ExportOptionsDialog::Accept() {
    // The arrows keep the number in range; a text that does not read as one
    // leaves the number as it was.
    if (const std::optional<MilliValue> number = ReadMilliField(view_, IDC_MODE_NUMBER)) {
        options_.ModeNumber = number->whole;
    }
    for (const FlagChoice& choice : kFlagChoices) {
        options_.ModeFlags &= ~choice.flag;
        if (view_.Checked(choice.control)) {
            options_.ModeFlags |= choice.flag;
        }
    }
}

} // namespace k7r::cfgui
