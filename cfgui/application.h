#pragma once

#include "cfgui/help_table.h"
#include "cfgui/preview_memory.h"
#include "cfgui/tooltip_delays.h"
#include "config/working_config.h"
#include "edit/edit_session.h"
#include "export/export_options.h"
#include "panels/panel_def_list.h"
#include "platform/file.h"
#include "regs/field_controls.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace k7r::cfgui {

// What the diagnostics pane shows and what it remembers between reports.
struct DiagnosticsState {
    // The text shown, with "\n" line ends.
    std::string shown;
    // A page's message that stays on show while the same control reports.
    std::string remembered;
    int rememberedControl = 0;
    // The pane turns yellow while an error is shown.
    bool error = false;
    // The control whose entry is invalid; 0 = none. While it is held, no
    // other control reports and no tab change happens.
    int lock = 0;
};

// Set while the main window closes, so that no page reports during
// teardown. No control has this id.
inline constexpr int kClosingLock = -2;

struct TooltipSettings {
    // The tooltip control exists.
    bool available = false;
    bool enabled = false;
    std::size_t delayIndex = kInitialDelayIndex;
};

// Everything the utility keeps for the whole run, owned by the shell and
// handed to the pages.
struct Application {
    explicit Application(const HAL_STRUCT& initial) : session(initial, panels) {}

    // Read once at start, before the main window; the session matches
    // against it.
    panels::PanelDefList panels;
    // The working configuration and what the pages remember beside it.
    edit::EditSession session;
    HelpTable help;
    regs::FieldControlBindings bindings;
    // The file opened or saved last; empty while there is none.
    std::string currentPath;
    // The version of it that was read or written then, which a save into it
    // expects to find.
    platform::FileVersion currentVersion;
    DiagnosticsState diagnostics;
    // The utility is the active application.
    bool active = false;
    TooltipSettings tooltips;
    // What the Export Options dialog chose last.
    exporter::ExportOptions exportOptions;
    // The feature the Panel page edits (a setting id, 0 for none), kept
    // while the program runs.
    std::uint32_t panelFeature = 0;
    PreviewMemory preview;
};

} // namespace k7r::cfgui
