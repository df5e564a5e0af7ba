#include "cfgui/help_table.h"

#include "cfgui/resource.h"
#include "regs/field_controls.h"

#include <array>

namespace k7r::cfgui {
namespace {

constexpr std::array<HelpRow, 2> kShellRows = {{
    {0, IDC_PREDEFINED_PANELS, 0, {}},
    {0, IDC_DIAGNOSTICS, 0, {}},
}};

} // namespace

const std::span<const HelpRow> kShellHelpRows = kShellRows;

bool HelpRow::Contains(int control) const {
    return last == 0 ? control == first : first <= control && control <= last;
}

void HelpTable::Add(std::span<const HelpRow> rows) {
    rows_.insert(rows_.end(), rows.begin(), rows.end());
}

const HelpRow* HelpTable::Find(int control) const {
    for (const HelpRow& row : rows_) {
        if (row.Contains(control)) {
            return &row;
        }
    }
    return nullptr;
}

void HelpTable::Bind(regs::FieldControlBindings& bindings) const {
    for (const HelpRow& row : rows_) {
        if (row.setting != 0) {
            regs::BindFieldControls(bindings, row.setting, static_cast<std::uint32_t>(row.first),
                                    static_cast<std::uint32_t>(row.last));
        }
    }
}

} // namespace k7r::cfgui
