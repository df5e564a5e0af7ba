// Text typed into a setting: how it is read, and why SetSettingText refuses
// it (the kind the front ends decide by, and the page's message quoting it).
#include "edit/field_text.h"
#include "edit/setting_edit.h"
#include "regs/field_table.h"
#include "tests/edit/edit_fixture.h"

#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace k7r::edit {
namespace {

TEST(ReadHexField, DigitsOfEitherCaseAfterLeadingSpaces) {
    const std::pair<std::string_view, std::uint32_t> kRead[] = {
        {"1f000000", 0x1F000000}, {"  ABCDEF", 0xABCDEF}, {"", 0}, {"   ", 0},
        {"FFFFFFFF", 0xFFFFFFFF}, {"0000000012", 0x12},
    };
    for (const auto& [text, value] : kRead) {
        EXPECT_EQ(ReadHexField(text), value) << text;
    }
    for (const std::string_view bad : {"G", "12 34", "0x10", "-1", "100000000"}) {
        EXPECT_EQ(ReadHexField(bad), std::nullopt) << bad;
    }
}

TEST(ReadMilliText, WholePartAndThreeDecimals) {
    const std::pair<std::string_view, std::uint64_t> kRead[] = {
        {"25.175", 25175}, {"0.391", 391},    {"120", 120000},
        {"1 2.5", 12500},  {"3.14159", 3141}, {".5", 500},
        {"", 0},           {"7.", 7000},      {"4294967295", 4294967295000u},
    };
    for (const auto& [text, milli] : kRead) {
        const std::optional<MilliValue> read = ReadMilliText(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->whole, milli / 1000) << text;
        EXPECT_EQ(read->milli, milli) << text;
    }
    for (const std::string_view bad : {"1.2.3", "12a", "-5", "1,5", "4294967296", "0x10"}) {
        EXPECT_FALSE(ReadMilliText(bad)) << bad;
    }
}

TEST(FieldText, LineEndsForMultiLineControls) {
    EXPECT_EQ(AddCrLf("a\nb\r\nc\n", 100), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(AddCrLf("\n\n", 100), "\r\n\r\n");
    // With its NUL, the text fits the size; a line end is not split.
    EXPECT_EQ(AddCrLf("ab\ncd", 4), "ab");
    EXPECT_EQ(AddCrLf("ab\ncd", 5), "ab\r\n");
    EXPECT_EQ(AddCrLf("x", 0), "");
    EXPECT_EQ(StripCr("a\r\nb\r\r\n"), "a\nb\n");
}

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

// Every setting with values of every class, on the template and on a TFT
// panel with GPIO power and its own stride: a refused value changes nothing,
// and only computed, read-only and table-less settings refuse them all.
TEST(SettingSweep, RefusedValuesChangeNothing) {
    const panels::PanelDefList noPanels;
    // REG[8004h] to REG[8024h] (171 to 185) are not in the template.
    const std::set<std::uint32_t> neverTaken = {
        10, 11, 19, 20,  21,  22,  23,  25,  26,  27,  28,  55,  56,  59,  60,  61,  62,  63,
        64, 65, 66, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185};
    config::WorkingConfig tft(TemplateRecord);
    for (const std::uint32_t id : {regs::kIdClockChip, regs::kIdUsbEnable, regs::kIdAutoStride}) {
        regs::SetFieldValue(tft, id, 0);
    }
    regs::SetFieldValue(tft, regs::kIdPanelType, 1);
    std::set<std::uint32_t> taken;
    for (const HAL_STRUCT& start : {TemplateRecord, tft.Record}) {
        for (const regs::FIELD_DESC& field : regs::kFieldTable) {
            std::vector<std::string> values = {
                "0",    "1",   "2",     "4",     "8",   "16", "90",         "64", "25.175",
                "1234", "400", "65535", "70000", "1e3", "-1", "4294967296", "",   "Enabled"};
            for (std::uint32_t item = 0; item < 4; ++item) {
                EditSession probe(start, noPanels);
                if (const auto text = regs::GetFieldListText(probe.config, field.Id, item)) {
                    values.push_back(*text);
                }
            }
            for (const std::string& value : values) {
                EditSession session(start, noPanels);
                const EditResult result = SetSettingText(session, field.Id, value);
                if (result.changed) {
                    taken.insert(field.Id);
                } else if (!result.accepted()) {
                    EXPECT_EQ(std::memcmp(&start, &session.config.Record, sizeof start), 0)
                        << field.Id << "=" << value;
                    EXPECT_TRUE(result.message.starts_with("ERROR: ")) << result.message;
                }
            }
        }
    }
    for (const regs::FIELD_DESC& field : regs::kFieldTable) {
        EXPECT_NE(taken.contains(field.Id), neverTaken.contains(field.Id)) << field.Id;
    }
}

} // namespace
} // namespace k7r::edit
