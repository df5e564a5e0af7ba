#include "cfgui/pages/page_edits.h"

#include "cfgui/page_context.h"
#include "cfgui/view.h"

namespace k7r::cfgui {

void ReportChange(PageContext& context, int control, const edit::EditResult& result) {
    if (result.accepted() && (result.changed || !result.message.empty())) {
        context.ReportStatus(control, kReportRemember, result.message);
    }
}

void ShowFieldEntry(PageContext& context, int control, const edit::EditResult& result) {
    View& view = context.Controls();
    if (!result.accepted()) {
        if (edit::RefusesEntry(result.refusal)) {
            context.ReportBadEntry(control);
        } else {
            context.ReportStatus(control, kReportError, result.message);
            view.SetText(control, result.shown);
        }
        return;
    }
    view.SetText(control, result.shown);
    context.ClearBadEntry(control);
    ReportChange(context, control, result);
}

bool ShowChoice(PageContext& context, int control, const edit::EditResult& result) {
    if (!result.accepted()) {
        context.ReportStatus(control, kReportError, result.message);
        return false;
    }
    ReportChange(context, control, result);
    return true;
}

} // namespace k7r::cfgui
