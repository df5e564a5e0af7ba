#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace k7r::regs {
struct FieldControlBindings;
} // namespace k7r::regs

namespace k7r::cfgui {

// One row of the control help table: the controls first..last (first alone
// when last is 0) show a setting, or carry a fixed tooltip text in which
// "%s" stands for the chip's short identifier.
struct HelpRow {
    std::uint32_t setting;
    int first;
    int last;
    std::string_view text;

    bool Contains(int control) const;
};

// The rows of the main window itself: the predefined panel list, whose text
// depends on the panel list's mode, and the diagnostics pane, whose text is
// what it shows. Both texts are worked out when a tip is shown.
extern const std::span<const HelpRow> kShellHelpRows;

// The help rows of the shell, every page and every dialog, gathered once at
// start.
class HelpTable {
  public:
    void Add(std::span<const HelpRow> rows);
    // The first row naming the control; null when none does.
    const HelpRow* Find(int control) const;
    // Hands every row with a setting to BindFieldControls.
    void Bind(regs::FieldControlBindings& bindings) const;

  private:
    std::vector<HelpRow> rows_;
};

} // namespace k7r::cfgui
