#include "cfgui/dialogs/modify_register_dialog.h"

#include "cfgui/resource.h"
#include "cfgui/view.h"
#include "edit/field_text.h"
#include "edit/register_edit.h"
#include "regs/register_access.h"
#include "regs/register_table.h"
#include "regs/register_width.h"

#include <cstdio>

namespace k7r::cfgui {
namespace {

// The field's length limit: 5 decimal or 4 hexadecimal digits for a USB
// register, 10 or 8 for the others.
int TextLimit(std::uint32_t reg, edit::NumberBase base) {
    const bool usb = regs::RegisterWidth(reg) == 16;
    if (base == edit::NumberBase::Decimal) {
        return usb ? 5 : 10;
    }
    return usb ? 4 : 8;
}

std::optional<std::uint32_t> Read(std::string_view text, edit::NumberBase base) {
    if (base == edit::NumberBase::Hexadecimal) {
        return edit::ReadHexField(text);
    }
    const std::optional<edit::MilliValue> value = edit::ReadMilliText(text);
    return value ? std::optional(value->whole) : std::nullopt;
}

} // namespace

ModifyRegisterDialog::ModifyRegisterDialog(edit::EditSession& session, int position)
    : session_(session), position_(position),
      reg_(regs::EnumRegister(session.config, position).reg) {}

int ModifyRegisterDialog::TemplateId() const {
    return IDD_MODIFY_REGISTER;
}

std::string ModifyRegisterDialog::Title() const {
    if (reg_ == riDELAYON || reg_ == riDELAYOFF) {
        return "Modify Delay";
    }
    char title[32];
    std::snprintf(title, sizeof title, "Modify register %04Xh", reg_);
    return title;
}

std::string ModifyRegisterDialog::Format(std::uint32_t value, edit::NumberBase base) const {
    char text[16];
    if (base == edit::NumberBase::Decimal) {
        std::snprintf(text, sizeof text, "%u", value);
    } else {
        std::snprintf(text, sizeof text, "%0*X", static_cast<int>(regs::RegisterWidth(reg_) / 4),
                      value);
    }
    return text;
}

void ModifyRegisterDialog::ShowBase(View& view) const {
    const edit::NumberBase base = session_.registerMarks.base;
    view.SetChecked(IDC_MODIFY_DECIMAL, base == edit::NumberBase::Decimal);
    view.SetChecked(IDC_MODIFY_HEXADECIMAL, base == edit::NumberBase::Hexadecimal);
    view.SetTextLimit(IDC_MODIFY_REGISTER_VALUE, TextLimit(reg_, base));
}

void ModifyRegisterDialog::Open(View& view) {
    view.SetText(IDC_MODIFY_REGISTER_NAME, regs::GetRegisterName(reg_));
    const std::uint32_t value = regs::ReadRegister(session_.config, reg_, position_);
    view.SetText(IDC_MODIFY_REGISTER_VALUE, Format(value, session_.registerMarks.base));
    ShowBase(view);
}

void ModifyRegisterDialog::OnControl(View& view, int control, ControlEvent event) {
    if (event != ControlEvent::Clicked ||
        (control != IDC_MODIFY_DECIMAL && control != IDC_MODIFY_HEXADECIMAL)) {
        return;
    }
    const edit::NumberBase chosen =
        control == IDC_MODIFY_DECIMAL ? edit::NumberBase::Decimal : edit::NumberBase::Hexadecimal;
    edit::NumberBase& base = session_.registerMarks.base;
    if (chosen == base) {
        return;
    }
    if (const auto value = Read(view.Text(IDC_MODIFY_REGISTER_VALUE), base)) {
        view.SetText(IDC_MODIFY_REGISTER_VALUE, Format(*value, chosen));
    }
    base = chosen;
    ShowBase(view);
}

std::optional<DialogRefusal> ModifyRegisterDialog::Accept(View& view) {
    const edit::EditResult result = edit::ModifyRegister(
        session_, position_, view.Text(IDC_MODIFY_REGISTER_VALUE), session_.registerMarks.base);
    if (!result.accepted()) {
        return DialogRefusal{result.message, IDC_MODIFY_REGISTER_VALUE};
    }
    return std::nullopt;
}

} // namespace k7r::cfgui
