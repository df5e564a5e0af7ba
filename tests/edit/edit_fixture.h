#pragma once

#include "config/default_records.h"
#include "edit/edit_session.h"
#include "panels/panel_def_list.h"
#include "regs/field_values.h"
#include "regs/setting_ids.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace k7r::edit {

// An editing session on the utility's template: an STN panel of 320 x 240
// at 8 bpp, USB and clock chip on, panel power on GPIO0 and GPO0.
class EditTest : public ::testing::Test {
  protected:
    std::uint32_t Get(std::uint32_t id) { return regs::GetFieldValue(session.config, id); }
    void Set(std::uint32_t id, std::uint32_t value) {
        regs::SetFieldValue(session.config, id, value);
    }

    panels::PanelDefList noPanels;
    EditSession session{TemplateRecord, noPanels};
};

} // namespace k7r::edit
