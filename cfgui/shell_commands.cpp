#include "cfgui/shell_commands.h"

#include "cfgui/application.h"
#include "cfgui/diagnostics_reporter.h"
#include "cfgui/file_filters.h"
#include "cfgui/shell_view.h"
#include "cfgui/window_title.h"
#include "containers/config_file.h"
#include "edit/edit_session.h"

#include <optional>
#include <span>

namespace k7r::cfgui {

void ShellCommands::Open() {
    const std::span<const FileFilter> filters = OpenFilters();
    const std::optional<std::string> path =
        view_.ChooseFile({.title = "Open",
                          .open = true,
                          .initialName = app_.currentPath,
                          .filters = {filters.begin(), filters.end()},
                          .defaultExtension = "exe"});
    if (path) {
        OpenFile(*path);
    }
}

bool ShellCommands::OpenFile(const std::string& path) {
    platform::FileVersion version;
    if (!view_.CommitField() ||
        !edit::OpenConfiguration(
            app_.session, path, [this](const std::string& text) { ShowFailure(text); }, &version)) {
        return false;
    }
    app_.currentPath = path;
    app_.currentVersion = version;
    view_.SetTitle(WindowTitle(app_.currentPath));
    view_.ShowNewConfiguration();
    reporter_.ReportStatus(0, kReportForce, "");
    return true;
}

void ShellCommands::Save() {
    if (!view_.CommitField()) {
        return;
    }
    const std::string path = app_.currentPath;
    switch (SaveInto({})) {
    case containers::OpenedFileSave::Saved:
        ShowSaved(path);
        return;
    case containers::OpenedFileSave::ChangedOnDisk:
        // Still the current file: Save As can copy it under another name.
        return;
    case containers::OpenedFileSave::Failed:
        break;
    }
    app_.currentPath.clear();
    view_.SetTitle(WindowTitle(app_.currentPath));
}

void ShellCommands::SaveAs() {
    const std::optional<std::string> target =
        view_.ChooseFile({.title = "Save As",
                          .initialName = app_.currentPath,
                          .filters = SaveAsFilters(app_.currentPath),
                          .defaultExtension = std::string(FileExtension(app_.currentPath))});
    if (!target || !view_.CommitField()) {
        return;
    }
    if (SaveInto(*target) == containers::OpenedFileSave::Saved) {
        app_.currentPath = *target;
        view_.SetTitle(WindowTitle(app_.currentPath));
        ShowSaved(*target);
    }
}

void ShellCommands::ConfigureMultiple() {
    DropFiles({});
}

void ShellCommands::DropFiles(const std::vector<std::string>& names) {
    if (view_.CommitField()) {
        view_.RunConfigureMultiple(names);
    }
}

void ShellCommands::Export() {
    if (view_.CommitField()) {
        view_.RunExport();
    }
}

containers::OpenedFileSave ShellCommands::SaveInto(const std::string& target) {
    return containers::SaveOpenedConfigFile(app_.currentPath, target, app_.currentVersion,
                                            app_.session.config.Record,
                                            [this](const std::string& text) { ShowFailure(text); });
}

void ShellCommands::ShowFailure(const std::string& text) {
    view_.ShowMessage(MessageIcon::Exclamation, text);
}

void ShellCommands::ShowSaved(const std::string& path) {
    view_.ShowMessage(MessageIcon::Information,
                      "Configuration data saved in file \"" + path + "\".");
}

} // namespace k7r::cfgui
