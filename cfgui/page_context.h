#pragma once

#include "cfgui/diagnostics_reporter.h"
#include "edit/edit_result.h"

#include <cstddef>
#include <string_view>

namespace k7r {
struct WorkingConfig;
}
namespace k7r::edit {
struct EditSession;
}

namespace k7r::cfgui {

struct Application;
class View;

// What a page works with: the application, its own controls and the
// diagnostics pane.
class PageContext {
  public:
    PageContext(Application& app, DiagnosticsReporter& reporter, View& view)
        : app_(app), reporter_(reporter), view_(view) {}

    Application& App() { return app_; }
    WorkingConfig& Config();
    edit::EditSession& Session();
    View& Controls() { return view_; }

    std::size_t ReportStatus(int control, unsigned flags, std::string_view message) {
        return reporter_.ReportStatus(control, flags, message);
    }
    void ReportBadEntry(int control, bool withRange = false) {
        reporter_.ReportBadEntry(view_, control, withRange);
    }
    // An entry the editing core refused: its message, and the control back
    // to what the core says it shows.
    void ReportBadEntry(int control, const edit::EditResult& refused) {
        reporter_.ReportBadEntry(view_, control, refused.message, refused.shown);
    }
    void ClearBadEntry(int control) { reporter_.ClearBadEntry(control); }

  private:
    Application& app_;
    DiagnosticsReporter& reporter_;
    View& view_;
};

} // namespace k7r::cfgui
