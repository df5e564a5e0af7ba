#pragma once

#include "cfgui/diagnostics_reporter.h"
#include "edit/edit_result.h"

#include <cstddef>
#include <string_view>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config
namespace k7r::edit {
struct EditSession;
}

namespace k7r::cfgui {

struct Application;
class ModalDialog;
class View;

// What the window does for a page beyond its controls and the diagnostics
// pane.
class PageServices {
  public:
    virtual ~PageServices() = default;
    // Runs the dialog over the page until it ends; true when it ended with
    // OK.
    virtual bool RunDialog(ModalDialog& dialog) = 0;
    // Makes the live timer run exactly while the configuration is live. The
    // window owns it, so it keeps running when the page closes; each tick
    // counts the test pattern's redraw down and then reaches the open page
    // as OnTimer.
    virtual void KeepLiveTimer() = 0;
};

// For pages made without a window: no dialog ends with OK, no timer runs.
PageServices& NoPageServices();

// What a page works with: the application, its own controls, the
// diagnostics pane and the window's services.
class PageContext {
  public:
    PageContext(Application& app, DiagnosticsReporter& reporter, View& view,
                PageServices& services = NoPageServices())
        : app_(app), reporter_(reporter), view_(view), services_(services) {}

    Application& App() { return app_; }
    config::WorkingConfig& Config();
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

    PageServices& Services() { return services_; }

  private:
    Application& app_;
    DiagnosticsReporter& reporter_;
    View& view_;
    PageServices& services_;
};

} // namespace k7r::cfgui
