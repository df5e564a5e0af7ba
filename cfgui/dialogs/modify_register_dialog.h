#pragma once

#include "cfgui/modal_dialog.h"
#include "edit/edit_session.h"

#include <cstdint>

namespace k7r::cfgui {

// The Modify Register dialog over one line of the Registers tab: the
// register's value in the base the dialog used last (hexadecimal at first),
// switchable to the other, written at the line's position on OK.
class ModifyRegisterDialog final : public ModalDialog {
  public:
    ModifyRegisterDialog(edit::EditSession& session, int position);

    int TemplateId() const override;
    // "Modify Delay", or "Modify register %04Xh".
    std::string Title() const override;
    void Open(View& view) override;
    // The option buttons: the field is rewritten in the chosen base when
    // it reads in the other.
    void OnControl(View& view, int control, ControlEvent event) override;
    std::optional<DialogRefusal> Accept(View& view) override;

  private:
    std::string Format(std::uint32_t value, edit::NumberBase base) const;
    void ShowBase(View& view) const;

    edit::EditSession& session_;
    int position_;
    std::uint32_t reg_;
};

} // namespace k7r::cfgui
