#include "cfgui/dialogs/diagrams_dialog.h"

#include "cfgui/application.h"
#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "diagrams/clock_tree_diagram.h"
#include "diagrams/timing_diagram.h"

#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

namespace k7r::cfgui {
namespace {

struct ShowingChoice {
    DiagramShowing showing;
    std::string_view label;
    diagrams::Picture (*draw)(config::WorkingConfig& config);
};
// The Show list, in its order.
constexpr ShowingChoice kShowings[] = {
    {DiagramShowing::Timing, "Panel timing", diagrams::TimingDiagram},
    {DiagramShowing::ClockTree, "Clock tree", diagrams::ClockTreeDiagram},
};

const ShowingChoice& ChoiceOf(DiagramShowing showing) {
    return kShowings[static_cast<std::size_t>(showing)];
}

} // namespace

void DiagramsDialog::Open(View& view) {
    view.ClearItems(IDC_DIAGRAMS_SHOW);
    for (const ShowingChoice& choice : kShowings) {
        view.AddItem(IDC_DIAGRAMS_SHOW, choice.label);
    }
    view.Select(IDC_DIAGRAMS_SHOW, static_cast<int>(showing_));
    Draw();
}

void DiagramsDialog::OnControl(View& view, int control, ControlEvent event) {
    if (control != IDC_DIAGRAMS_SHOW || event != ControlEvent::SelectionChanged) {
        return;
    }
    const int item = view.Selection(IDC_DIAGRAMS_SHOW);
    if (item < 0 || static_cast<std::size_t>(item) >= std::size(kShowings) ||
        kShowings[item].showing == showing_) {
        return;
    }
    showing_ = kShowings[item].showing;
    Draw();
}

void DiagramsDialog::Tick() {
    const HAL_STRUCT& record = app_.session.config.Record;
    if (!drawn_ || std::memcmp(&*drawn_, &record, sizeof record) != 0) {
        Draw();
    }
}

// From a copy of the record: the pictures read settings, and a live
// configuration would read them from the chip on every drawing.
void DiagramsDialog::Draw() {
    drawn_ = app_.session.config.Record;
    config::WorkingConfig copy(*drawn_);
    shown_ = ChoiceOf(showing_).draw(copy);
    showPicture_(shown_);
}

} // namespace k7r::cfgui
