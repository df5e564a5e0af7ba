#include "cfgui/diagnostics_reporter.h"

#include "cfgui/application.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/bad_entry.h"
#include "edit/diagnostics.h"
#include "edit/field_text.h"
#include "regs/field_values.h"

#include <cstdio>

namespace k7r::cfgui {
namespace {

bool Has(unsigned flags, unsigned flag) {
    return (flags & flag) != 0;
}

// The input clock fields show MHz with three decimals, as they are typed.
std::string ValueText(config::WorkingConfig& config, int control, std::uint32_t setting) {
    if (control == IDC_CLKI_TIMING || control == IDC_CLKI2_TIMING) {
        const std::uint32_t hz = regs::GetFieldValue(config, setting);
        char text[32];
        std::snprintf(text, sizeof text, "%u.%03u", hz / 1000000, (hz / 1000) % 1000);
        return text;
    }
    return regs::FormatFieldValue(config, setting);
}

} // namespace

std::size_t DiagnosticsReporter::ReportStatus(int control, unsigned flags,
                                              std::string_view message) {
    DiagnosticsState& state = app_.diagnostics;
    const bool force = Has(flags, kReportForce);
    if (state.lock != 0 && state.lock != control && !force) {
        return 0;
    }
    state.lock = 0;
    const std::string_view own = message.substr(0, kReportRoom - 1);
    if (state.rememberedControl != control && !force) {
        state.remembered.clear();
        state.rememberedControl = 0;
    }

    std::string text(own);
    if (own != state.remembered) {
        text += state.remembered;
        text.resize(std::min(text.size(), kReportRoom - 1));
        const bool remember = Has(flags, kReportRememberAlways) ||
                              (Has(flags, kReportRemember) && !Has(flags, kReportDontRemember));
        if (remember) {
            state.remembered = own.substr(0, kRememberedRoom - 1);
            state.rememberedControl = control;
        } else {
            state.remembered.clear();
            state.rememberedControl = 0;
        }
    }

    state.error = Has(flags, kReportError);
    if (state.error) {
        pane_.Beep();
    }
    const edit::Diagnostics found =
        edit::Diagnose(app_.session.config, app_.panels, kReportRoom - text.size());
    text += found.text;
    state.error = state.error || found.error;
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }

    if (text != state.shown) {
        state.shown = text;
        pane_.ShowText(edit::AddCrLf(text, kReportRoom));
    }
    pane_.SetErrorColour(state.error);
    return text.size();
}

void DiagnosticsReporter::ReportBadEntry(View& view, int control, bool withRange) {
    if (!app_.active || app_.diagnostics.lock == kClosingLock) {
        return;
    }
    const std::string text = view.Text(control);
    const std::uint32_t setting =
        regs::FindFieldByControl(app_.bindings, static_cast<std::uint32_t>(control));
    const std::string message =
        withRange
            ? edit::BadEntryMessage(text, setting, regs::GetFieldMin(app_.session.config, setting),
                                    regs::GetFieldMax(app_.session.config, setting))
            : edit::BadEntryMessage(text, setting);
    ReportBadEntry(view, control, message, ValueText(app_.session.config, control, setting));
}

void DiagnosticsReporter::ReportBadEntry(View& view, int control, std::string_view message,
                                         std::string_view shown) {
    if (!app_.active || app_.diagnostics.lock == kClosingLock) {
        return;
    }
    ReportStatus(control, kReportError, message);
    app_.diagnostics.lock = control;
    view.Focus(control);
    view.SetText(control, shown);
    view.SelectAllText(control);
}

void DiagnosticsReporter::ClearBadEntry(int control) {
    if (app_.active && app_.diagnostics.lock == control) {
        app_.diagnostics.lock = 0;
        ReportStatus(control, kReportRemember, "");
    }
}

} // namespace k7r::cfgui
