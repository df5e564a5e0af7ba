#include "regs/field_controls.h"

#include "regs/field_names.h"

namespace k7r::regs {

bool ControlRange::Contains(std::uint32_t controlId) const {
    // Unbound records hold 0, which must not match a lookup of control 0.
    if (controlId == 0) {
        return false;
    }
    if (LastControl == 0) {
        return FirstControl == controlId;
    }
    return FirstControl <= controlId && controlId <= LastControl;
}

bool BindFieldControls(FieldControlBindings& bindings, std::uint32_t id, std::uint32_t first,
                       std::uint32_t last) {
    const std::size_t record = FindField(id);
    if (record == kFieldCount) {
        return false;
    }
    bindings.Ranges[record] = {first, last};
    return true;
}

std::uint32_t FindFieldByControl(const FieldControlBindings& bindings, std::uint32_t controlId) {
    for (std::size_t record = 0; record < kFieldCount; ++record) {
        if (bindings.Ranges[record].Contains(controlId)) {
            return kFieldTable[record].Id;
        }
    }
    return 0;
}

std::string FieldHelpForControl(const FieldControlBindings& bindings, std::uint32_t controlId) {
    std::string text;
    for (std::size_t record = 0; record < kFieldCount; ++record) {
        if (bindings.Ranges[record].Contains(controlId)) {
            AppendHelpParagraph(text, record);
        }
    }
    return text;
}

} // namespace k7r::regs
