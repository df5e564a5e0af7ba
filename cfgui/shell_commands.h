#pragma once

#include "containers/config_file.h"

#include <functional>
#include <string>
#include <vector>

namespace k7r::cfgui {

struct Application;
class DiagnosticsReporter;
class ShellView;

// The file commands of the main window's menu, and files dropped on it:
// the order of their steps (the field being edited committed, a file
// chosen, the file read or written, the title, the messages) over the
// shell's view.
class ShellCommands {
  public:
    ShellCommands(Application& app, DiagnosticsReporter& reporter, ShellView& view)
        : app_(app), reporter_(reporter), view_(view) {}

    // File Open: a file chosen, then opened.
    void Open();
    // Opens the file once it is chosen (or named on the program's command
    // line): its record becomes the configuration and it the current file,
    // shown in the title, on the open page and in the diagnostics. On
    // failure the reason is shown and nothing changes.
    bool OpenFile(const std::string& path);
    // Writes the configuration into the current file, as long as it is the
    // version opened or saved last. A file changed or replaced on disk since
    // is refused and stays the current file; any other failure forgets the
    // current file, so that Save and Save As are offered no more.
    void Save();
    // Copies the current file to a file chosen, with the configuration
    // written into it; the copy becomes the current file. The current file
    // chosen again is saved as by Save. A failure changes nothing.
    void SaveAs();
    void ConfigureMultiple();
    // Files dropped on the main window: Configure Multiple with them
    // selected.
    void DropFiles(const std::vector<std::string>& names);
    void Export();

  private:
    // The part of a command that reads or writes a file, through the view's
    // busy operation: what it reports is shown once it is done, in order.
    void RunBusy(const std::string& what,
                 const std::function<void(const containers::MessageSink& fail)>& work);
    // Into the current file itself when target is empty or names it.
    containers::OpenedFileSave SaveInto(const std::string& target);
    void ShowFailure(const std::string& text);
    void ShowSaved(const std::string& path);

    Application& app_;
    DiagnosticsReporter& reporter_;
    ShellView& view_;
};

} // namespace k7r::cfgui
