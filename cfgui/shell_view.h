#pragma once

#include "cfgui/file_filters.h"
#include "cfgui/page.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace k7r::cfgui {

// How the system's open or save dialog is set up.
struct FileChoice {
    std::string title;
    // An open dialog, for a file that exists; else a save dialog that asks
    // before it overwrites one.
    bool open = false;
    std::string initialName;
    std::vector<FileFilter> filters;
    // Added to a name typed without one; empty for none.
    std::string defaultExtension;
};

// What the shell's file commands ask of the main window. The Win32 layer
// implements it over the window and the system's dialogs; the native tests
// record the calls.
class ShellView {
  public:
    virtual ~ShellView() = default;

    // Moves the focus off the field being edited, so that its entry is
    // taken; false when that left an invalid entry pending.
    virtual bool CommitField() = 0;
    // The path chosen; nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileChoice& choice) = 0;
    virtual void ShowMessage(MessageIcon icon, const std::string& text) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Another configuration was adopted: the open page is made again from
    // it, and the live timer stops with the chip binding it had.
    virtual void ShowNewConfiguration() = 0;
    // The modal Configure Multiple dialog, with the names given selected.
    virtual void RunConfigureMultiple(const std::vector<std::string>& selected) = 0;
    // The Export dialog and the save dialog of the kind chosen in it.
    virtual void RunExport() = 0;
    // Runs a command's slow part, a large file read or written, which
    // touches nothing the window shows, and returns once it is done. The
    // window goes on painting meanwhile, saying what it is busy with, but
    // takes no command; a close asked for waits until the command is over.
    virtual void RunBusy(const std::string& what, const std::function<void()>& work) = 0;
};

} // namespace k7r::cfgui
