#include "cfgui/field_readers.h"

#include "cfgui/view.h"

namespace k7r::cfgui {

std::optional<MilliValue> ReadMilliField(const View& view, int control) {
    return edit::ReadMilliText(MilliFieldText(view, control));
}

std::string MilliFieldText(const View& view, int control) {
    const int selected = view.Selection(control);
    return selected >= 0 ? view.ItemText(control, selected) : view.Text(control);
}

} // namespace k7r::cfgui
