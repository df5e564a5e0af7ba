#pragma once

#include "cfgui/file_filters.h"
#include "cfgui/page.h"
#include "containers/config_file.h"
#include "export/export_kinds.h"
#include "export/preview.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace k7r::cfgui {

struct Application;
class View;

// What the export dialogs work with: the configuration and its export
// options, how previews are opened and where failures are shown.
struct ExportServices {
    Application& app;
    exporter::PreviewLauncher& launcher;
    std::string temporaryDirectory;
    containers::MessageSink show;
};

// The Export dialog's list of the six kinds. Its texts carry the mode
// number as it is when the dialog opens.
class ExportDialog {
  public:
    ExportDialog(View& view, const exporter::ExportOptions& options)
        : view_(view), options_(options) {}

    void Open();
    // The kind chosen by "&Export As..." or a double click in the list;
    // nothing for any other event.
    std::optional<std::size_t> OnControl(int control, ControlEvent event) const;

  private:
    View& view_;
    const exporter::ExportOptions& options_;
};

// How the save dialog is set up for a kind.
struct ExportSaveSetup {
    std::string title;
    std::vector<FileFilter> filters;
    std::string defaultExtension;
    std::string initialName;
};
ExportSaveSetup SaveSetupFor(const exporter::ExportKind& kind,
                             const exporter::ExportOptions& options);

// Writes the kind's file under the chosen name; a failure is shown.
bool ExportToFile(ExportServices& services, const exporter::ExportKind& kind,
                  const std::string& path);

// The buttons the save dialog gains for the kind it was opened for:
// "Pre&view" and "&Options".
class ExportSaveExtras {
  public:
    ExportSaveExtras(View& view, ExportServices& services, const exporter::ExportKind& kind)
        : view_(view), services_(services), kind_(kind) {}

    // Options only for the kinds whose generators read them.
    void Open();
    // Writes the file into the temporary directory and opens it; a failure
    // is shown.
    bool Preview();
    // The Options dialog leaves out the mode number for a kind that does not
    // read it.
    bool OptionsShowModeNumber() const { return kind_.readsModeNumber; }
    // What the save dialog's name field shows once the Options dialog has
    // closed, confirmed or not: the default name with the mode number now
    // chosen, for the kind whose name carries it.
    std::optional<std::string> NameAfterOptions() const;

  private:
    View& view_;
    ExportServices& services_;
    const exporter::ExportKind& kind_;
};

} // namespace k7r::cfgui
