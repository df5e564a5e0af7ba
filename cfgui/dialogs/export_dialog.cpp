#include "cfgui/dialogs/export_dialog.h"

#include "cfgui/application.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "export/output_file.h"

namespace k7r::cfgui {
namespace {

constexpr FileFilter kAllFiles = {"All Files (*.*)", "*.*"};

} // namespace

void ExportDialog::Open() {
    view_.ClearItems(IDC_EXPORT_KINDS);
    for (const exporter::ExportKind& kind : exporter::ExportKinds()) {
        view_.AddItem(IDC_EXPORT_KINDS, ListText(kind, options_));
    }
    view_.Select(IDC_EXPORT_KINDS, 0);
}

std::optional<std::size_t> ExportDialog::OnControl(int control, ControlEvent event) const {
    const bool chosen = (control == IDC_EXPORT_KINDS && event == ControlEvent::DoubleClicked) ||
                        (control == IDC_DIALOG_OK && event == ControlEvent::Clicked);
    const int selected = view_.Selection(IDC_EXPORT_KINDS);
    if (!chosen || selected < 0 ||
        static_cast<std::size_t>(selected) >= exporter::ExportKinds().size()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(selected);
}

ExportSaveSetup SaveSetupFor(const exporter::ExportKind& kind,
                             const exporter::ExportOptions& options) {
    return {
        .title = "Export As",
        .filters = {{kind.filterName, kind.filterPattern}, kAllFiles},
        .defaultExtension = std::string(kind.extension),
        .initialName = exporter::DefaultFileName(kind, options),
    };
}

bool ExportToFile(ExportServices& services, const exporter::ExportKind& kind,
                  const std::string& path) {
    std::string message;
    if (!exporter::RunExport(kind, services.app.session.config, services.app.exportOptions, path,
                             message)) {
        services.show(message);
        return false;
    }
    return true;
}

void ExportSaveExtras::Open() {
    view_.Enable(IDC_EXPORT_OPTIONS, kind_.readsModeFlags);
}

bool ExportSaveExtras::Preview() {
    std::string message;
    if (!exporter::PreviewExport(kind_, services_.app.session.config, services_.app.exportOptions,
                                 services_.temporaryDirectory, services_.launcher, message)) {
        services_.show(message);
        return false;
    }
    return true;
}

std::optional<std::string> ExportSaveExtras::NameAfterOptions() const {
    if (!kind_.readsModeNumber) {
        return std::nullopt;
    }
    return exporter::DefaultFileName(kind_, services_.app.exportOptions);
}

} // namespace k7r::cfgui
