#pragma once

#include "cfgui/page.h"
#include "config/hal_struct.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace k7r::cfgui {

class ModalDialog;
class View;

// What the Configure Multiple dialog needs from the window system.
struct ConfigureMultipleServices {
    // The letters of the drives present, in drive order.
    std::function<std::vector<char>()> drives;
    std::function<void(MessageIcon icon, const std::string& text)> show;
    // Runs a dialog over this one: the summary of a run too long for a
    // message box.
    std::function<void(ModalDialog& dialog)> runDialog;
    // Called between two files of a run, so that the window can repaint and
    // keep answering while many files are saved.
    std::function<void()> keepResponsive;
};

// Configure Multiple: a browse list over the process's current directory
// and the drives, a selection list of full paths, and the run that writes
// the working record into every selected file.
class ConfigureMultipleDialog {
  public:
    ConfigureMultipleDialog(View& view, const HAL_STRUCT& working,
                            ConfigureMultipleServices services)
        : view_(view), working_(working), services_(std::move(services)) {}

    // Shows configurable files only; the dropped names are selected.
    void Open(std::span<const std::string> dropped);
    // Names dropped on the main window or on the dialog: each existing file
    // is selected once.
    void AddDropped(std::span<const std::string> names);
    // True when the dialog is to close.
    bool OnControl(int control, ControlEvent event);
    // A run is going on: the dialog must not close.
    bool Running() const { return running_; }

    // Empties the browse list and fills it from the current directory.
    void FillBrowseList();
    // Selects the named file of the current directory; false for a name
    // that is not an existing file (a directory or drive entry).
    bool AddSelectedFile(const std::string& name);

  private:
    // One line of the browse list: a file, a directory or a drive, with the
    // name to select or the directory to change to.
    struct BrowseItem {
        std::string text;
        std::string target;
        bool file = false;
    };

    const BrowseItem* CurrentBrowseItem() const;
    void AddBrowseItem();
    void OpenBrowseItem();
    void AddAll();
    void RemoveSelectedFile();
    void RemoveAll();
    // Configures every selected file; true when the run took place.
    bool Configure();
    // Keeps the selection sorted and each path once: where the path went,
    // none when it was there already.
    std::optional<std::size_t> Select(const std::string& path);
    // Many paths at once, merged in one pass rather than each inserted into
    // a long selection; true when any was new.
    bool SelectAll(std::vector<std::string> paths);
    void ShowSelection();
    // The progress text of a run, rewritten as the whole percent done
    // changes: thousands of files would spend the run repainting it.
    void ShowProgress(std::size_t index, std::span<const std::string> paths);
    void EnableControls(bool enabled);

    View& view_;
    const HAL_STRUCT& working_;
    ConfigureMultipleServices services_;
    // What the two lists show, in their order.
    std::vector<BrowseItem> browse_;
    std::vector<std::string> selected_;
    bool running_ = false;
    std::optional<std::size_t> shownPercent_;
};

} // namespace k7r::cfgui
