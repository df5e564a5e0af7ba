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
#include <vector>

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
    if (!view_.CommitField()) {
        return false;
    }
    std::optional<HAL_STRUCT> record;
    platform::FileVersion version;
    RunBusy("Opening " + std::string(FileNamePart(path)) + "...",
            [&](const containers::MessageSink& fail) {
                record = edit::ReadConfiguration(path, fail, &version);
            });
    if (!record) {
        return false;
    }
    edit::AdoptConfiguration(app_.session, *record);
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

void ShellCommands::RunBusy(const std::string& what,
                            const std::function<void(const containers::MessageSink& fail)>& work) {
    std::vector<std::string> failures;
    view_.RunBusy(
        what, [&] { work([&failures](const std::string& text) { failures.push_back(text); }); });
    for (const std::string& text : failures) {
        ShowFailure(text);
    }
}

containers::OpenedFileSave ShellCommands::SaveInto(const std::string& target) {
    // The work gets copies: the window's own stay as they are until it is
    // done.
    const std::string source = app_.currentPath;
    const HAL_STRUCT record = app_.session.config.Record;
    platform::FileVersion version = app_.currentVersion;
    auto saved = containers::OpenedFileSave::Failed;
    RunBusy("Saving " + std::string(FileNamePart(target.empty() ? source : target)) + "...",
            [&](const containers::MessageSink& fail) {
                saved = containers::SaveOpenedConfigFile(source, target, version, record, fail);
            });
    app_.currentVersion = version;
    return saved;
}

void ShellCommands::ShowFailure(const std::string& text) {
    view_.ShowMessage(MessageIcon::Exclamation, text);
}

void ShellCommands::ShowSaved(const std::string& path) {
    view_.ShowMessage(MessageIcon::Information,
                      "Configuration data saved in file \"" + path + "\".");
}

} // namespace k7r::cfgui
