#include "cfgui/dialogs/configure_summary_dialog.h"

#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "export/output_file.h"

#include <algorithm>

namespace k7r::cfgui {
namespace {

// The heading, its blank line and thirty files: what a message box shows
// whole on the smallest screen the utility is meant for.
constexpr std::size_t kMessageBoxLines = 32;

} // namespace

bool SummaryFitsMessageBox(const containers::ConfigureSummary& summary) {
    return static_cast<std::size_t>(std::ranges::count(summary.text, '\n')) <= kMessageBoxLines;
}

ConfigureSummaryDialog::ConfigureSummaryDialog(const containers::ConfigureSummary& summary)
    : text_(std::to_string(summary.files - summary.failures) + " OK, " +
            std::to_string(summary.failures) + " Error\n\n" + summary.text) {}

int ConfigureSummaryDialog::TemplateId() const {
    return IDD_CONFIGURE_SUMMARY;
}

std::string ConfigureSummaryDialog::Title() const {
    return "Configure Multiple Summary";
}

void ConfigureSummaryDialog::Open(View& view) {
    // A field of many lines breaks them at CR LF only, and the clipboard
    // carries them so.
    view.SetText(IDC_CONFIGURE_SUMMARY_TEXT, exporter::ToCrLf(text_));
}

std::optional<DialogRefusal> ConfigureSummaryDialog::Accept(View& /*view*/) {
    return std::nullopt;
}

} // namespace k7r::cfgui
