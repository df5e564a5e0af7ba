// Why SetSettingText refuses: the kind the front ends decide by, and the
// page's message quoting what was typed.
#include "edit/setting_edit.h"
#include "regs/setting_ids.h"
#include "tests/edit/edit_fixture.h"

namespace k7r::edit {
namespace {

TEST_F(EditTest, RefusalsSayWhatKindTheyAre) {
    const struct {
        std::uint32_t id;
        std::string_view text;
        Refusal refusal;
        std::string_view message;
    } kCases[] = {
        {67, "1O0", Refusal::NotANumber, "ERROR: \"1O0\" is not a valid Horz Total!\n"},
        {2, "0.39MHz", Refusal::OutOfRange, "ERROR: \"0.39MHz\" is not a valid CLKI Timing!\n"},
        {54, "12", Refusal::NotInList, "ERROR: \"12\" is not a valid Bits-Per-Pixel!\n"},
        {9, "0x3", Refusal::NotInList, "ERROR: \"0x3\" is not a valid GPO Pwr Mask!\n"},
        {31, "CLKI3", Refusal::NotInList, "ERROR: \"CLKI3\" is not a valid BCLK Src!\n"},
        {117, "x", Refusal::NotANumber, ""},
        {1, "x", Refusal::None, ""},
        {25, "1", Refusal::ReadOnly, "ERROR: Product Code is read-only.\n"},
        {19, "5", Refusal::Computed, ""},
        {80, "480", Refusal::Locked, ""},
        {8, "2", Refusal::Locked, ""},
        {182, "5", Refusal::NoRegisterEntry, ""}, // REG[8018h]
        {37, "1", Refusal::UnknownSetting, "ERROR: no setting has the id 37.\n"},
    };
    for (const auto& c : kCases) {
        const EditResult result = SetSettingText(session, c.id, c.text);
        EXPECT_EQ(result.refusal, c.refusal) << c.id << "=" << c.text;
        if (!c.message.empty()) {
            EXPECT_EQ(result.message, c.message) << c.id << "=" << c.text;
        }
    }
    const EditResult tooLong = SetSettingText(session, 1, std::string(256, 'x'));
    EXPECT_EQ(tooLong.refusal, Refusal::TooLong);
    EXPECT_TRUE(RefusesEntry(tooLong.refusal));
    EXPECT_FALSE(RefusesEntry(Refusal::NoRegisterEntry));
}

} // namespace
} // namespace k7r::edit
