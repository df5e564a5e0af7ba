#include "edit/register_edit.h"

#include "edit/field_text.h"
#include "edit/rules/common_rules.h"
#include "regs/register_access.h"

namespace k7r::edit {

EditResult ModifyRegister(EditSession& session, int position, std::string_view text,
                          NumberBase base) {
    config::WorkingConfig& config = session.config;
    const std::uint32_t reg = regs::EnumRegister(config, position).reg;
    const std::uint32_t old = regs::ReadRegister(config, reg, position);
    std::optional<std::uint32_t> value;
    if (base == NumberBase::Hexadecimal) {
        value = ReadHexField(text);
    } else if (const std::optional<MilliValue> typed = ReadMilliText(text)) {
        value = typed->whole;
    }
    if (!value) {
        return Refuse(Refusal::NotANumber, "ERROR:Invalid value entered!", old, std::string(text));
    }
    regs::WriteRegister(config, reg, *value, position);
    MarkManualValue(session, position, *value);
    EditResult result;
    result.changed = *value != old;
    result.value = *value;
    result.shown = std::to_string(*value);
    return Finish(session, result);
}

} // namespace k7r::edit
