#pragma once

#include "cfgui/page.h"

#include <optional>
#include <string>

namespace k7r::cfgui {

class View;

// Why OK did not end a dialog: the message box text (exclamation icon) and
// the control the focus goes back to.
struct DialogRefusal {
    std::string message;
    int control = 0;
};

// The logic of a modal dialog that a page opens. The toolkit makes the
// dialog from its template, hands the logic the dialog's controls as a
// View and runs it until OK is accepted or Cancel pressed (Cancel changes
// nothing and needs no call).
class ModalDialog {
  public:
    virtual ~ModalDialog() = default;

    virtual int TemplateId() const = 0;
    virtual std::string Title() const = 0;
    // The controls exist: fill them.
    virtual void Open(View& view) = 0;
    virtual void OnControl(View& /*view*/, int /*control*/, ControlEvent /*event*/) {}
    // OK: none ends the dialog; a refusal keeps it open.
    virtual std::optional<DialogRefusal> Accept(View& view) = 0;
};

} // namespace k7r::cfgui
