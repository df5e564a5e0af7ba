#include "config/default_records.h"
#include "config/working_config.h"
#include "edit/diagnostics.h"
#include "panels/panel_def_list.h"
#include "regs/field_values.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::edit {
namespace {

TEST(Diagnose, ErrorsThenVersionMessageThenWarningsWithinTheRoomLeft) {
    config::WorkingConfig config(TemplateRecord);
    regs::SetFieldValue(config, 54, 3);  // an invalid depth: an error
    regs::SetFieldValue(config, 120, 0); // a zero CLS pulse width: a warning
    // A panel file without a VERSION line: loaded, but of version 1.
    const std::string path = test::ScratchDirectory() + "/PANELS.DEF";
    test::WriteText(path, "; no version line\n");
    panels::PanelDefList list;
    ASSERT_TRUE(list.LoadFile(path, [](const std::string&) { FAIL(); }));
    const Diagnostics shown = Diagnose(config, list);
    EXPECT_TRUE(shown.error);
    EXPECT_EQ(shown.text,
              "ERROR: 3 bits-per-pixel is an invalid setting.\n"
              "ERROR: Version 2 of PANELS.DEF is required (you are currently using version 1).\n"
              "Warning: CLS Pulse Width must be greater than 0.\n");
    for (const std::size_t room : {0u, 1u, 20u, 90u}) {
        EXPECT_LE(Diagnose(config, list, room).text.size(), room == 0 ? 0 : room - 1) << room;
    }
}

} // namespace
} // namespace k7r::edit
