#pragma once

#include "regs/field_table.h"

#include <array>
#include <cstdint>
#include <string>

namespace k7r::regs {

// The dialog controls that show one field record: FirstControl alone when
// LastControl is 0, else the whole range. Both 0 while the record is unbound.
struct ControlRange {
    std::uint32_t FirstControl = 0;
    std::uint32_t LastControl = 0;

    bool Contains(std::uint32_t controlId) const;
};

// The control binding of every record, by position in kFieldTable. The user
// interface fills it once when its main window is created; the table itself
// stays constant.
struct FieldControlBindings {
    std::array<ControlRange, kFieldCount> Ranges{};
};

// Binds the first record with that id; false for an id that no record has.
bool BindFieldControls(FieldControlBindings& bindings, std::uint32_t id, std::uint32_t first,
                       std::uint32_t last);

// The id of the first record, in table order, bound to the control; 0 when
// none is (and for control 0, which no control has).
std::uint32_t FindFieldByControl(const FieldControlBindings& bindings, std::uint32_t controlId);

// The help paragraphs of every record bound to the control, in table order
// (see FieldHelpForId); empty when none is.
std::string FieldHelpForControl(const FieldControlBindings& bindings, std::uint32_t controlId);

} // namespace k7r::regs
