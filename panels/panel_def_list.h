#pragma once

#include "panels/panel_def.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace k7r::panels {

// Shows a message to the user: a message box with the error icon in the
// utility, a line on standard error on the command line.
using ShowError = std::function<void(const std::string& text)>;

// The predefined panels of one panel definition file, in file order. The
// in-house DEBUG.DEF keeps the panels this chip cannot drive, marked with the
// reason; the published PANELS.DEF drops them.
class PanelDefList {
  public:
    static constexpr std::int32_t kRequiredVersion = 2;
    // Kept entries beyond this many are ignored.
    static constexpr std::size_t kMaxEntries = 100;
    // The files looked for beside the program, in this order.
    static constexpr std::string_view kDebugFileName = "DEBUG.DEF";
    static constexpr std::string_view kPublishedFileName = "PANELS.DEF";

    // The file beside the running executable: DEBUG.DEF when it can be
    // opened, else PANELS.DEF. Without either the list stays empty, nothing
    // is reported and the result is false.
    bool Load(const ShowError& showError);
    // The same lookup in a given directory.
    bool LoadFromDirectory(const std::string& directory, const ShowError& showError);
    // One given file, read in debug mode when its name is DEBUG.DEF in any
    // letter case. False when it cannot be opened.
    bool LoadFile(const std::string& path, const ShowError& showError);

    bool Loaded() const { return loaded_; }
    bool DebugMode() const { return debugMode_; }
    // The file read, rejected or not; empty while none could be opened.
    const std::string& Path() const { return path_; }
    std::size_t Count() const { return entries_.size(); }
    const PanelDef& At(std::size_t index) const { return entries_.at(index); }
    std::span<const PanelDef> Entries() const { return entries_; }

    // The diagnostics line for a file of another version than the required
    // one (a file without a VERSION line is version 1); empty when the
    // version is right or no list is loaded.
    std::string VersionMessage() const;

  private:
    // False when the file cannot be opened. A file read to its end is
    // loaded; a rejected file leaves the list empty.
    bool ReadFile(const std::string& path, bool debugMode, const ShowError& showError);

    bool loaded_ = false;
    bool debugMode_ = false;
    std::int32_t fileVersion_ = 1;
    std::string path_;
    std::vector<PanelDef> entries_;
};

} // namespace k7r::panels
