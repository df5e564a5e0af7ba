#include "config/default_records.h"
#include "config/working_config.h"
#include "regs/field_table.h"
#include "regs/field_values.h"
#include "regs/layout.h"
#include "regs/register_access.h"
#include "regs/register_breakdown.h"
#include "regs/validation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <utility>

namespace k7r::regs {
namespace {

void SetAll(config::WorkingConfig& config,
            std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> settings) {
    for (const auto& [id, value] : settings) {
        SetFieldValue(config, id, value);
    }
}

constexpr std::size_t kRoom = 4096;

// A 640 x 480 TFT panel at 8 bpp with sound timings: nothing to report.
config::WorkingConfig SoundTft() {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config,
           {{24, 1}, {68, 640}, {74, 480}, {67, 800}, {73, 525}, {69, 5}, {3, 25175000}, {32, 1}});
    config.SavedMainStart = 0;
    return config;
}

// Each finding names the settings its message names, so that a picture can
// mark them; a register's reserved bits name none.
TEST(Validation, FindingsReservedBitsPixelDoublingAndTheRoomForMessages) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{67, 648}, {69, 8}, {120, 0}});
    const std::vector<Finding> errors = ErrorFindings(config);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text,
              "ERROR: Horz Total is less than or equal to (Horz Start Pos + Horz Disp Period).\n");
    EXPECT_EQ(errors[0].settings, (std::vector<std::uint32_t>{67, 69, 68}));
    const std::vector<Finding> warnings = WarningFindings(config);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, "Warning: CLS Pulse Width must be greater than 0.\n");
    EXPECT_EQ(warnings[0].settings, (std::vector<std::uint32_t>{120}));
    config = SoundTft();
    SetAll(config, {{3, 25000000}, {2, 12000000}});
    ASSERT_EQ(ErrorFindings(config).size(), 1u);
    EXPECT_EQ(ErrorFindings(config)[0].settings, (std::vector<std::uint32_t>{20, 19}));
    // Reserved bits are reported in runs.
    config = config::WorkingConfig(TemplateRecord);
    config.Record.Regs[6].Value = 0xFC000088; // REG[10h]: bits 31:26 and 7 stray, 3 is bpp
    config.Record.Regs[5].Value |= 0x08;      // REG[0Ch] bit 3: the reserved HR-TFT Res
    config.Record.Regs[0].Index = 0x4000;     // no field describes it
    config.Record.Regs[0].Value = 0x8001;
    EXPECT_NE(ValidateWarnings(config, kRoom)
                  .find("Warning: REG[4000h] bits 0, 15 set, but should be "
                        "RESERVED.\nWarning: REG[0Ch] bit 3 set, but should be "
                        "RESERVED.\nWarning: REG[10h] bits 7, 31:26 set, but should be "
                        "RESERVED.\n"),
              std::string::npos);
    // Pseudo-registers carry delays and the end, not bits.
    config = config::WorkingConfig(TemplateRecord);
    config.Record.Regs[47].Value = 0xFFFFFFFF;
    config.Record.Regs[50].Value = 0xFFFFFFFF;
    EXPECT_EQ(ValidateWarnings(config, kRoom), "");
    // Pixel doubling.
    config = SoundTft();
    SetAll(config, {{45, 1}, {54, 1}});
    EXPECT_EQ(ValidateErrors(config, kRoom), "");
    SetFieldValue(config, 52, 270);
    std::strcpy(config.Record.ChipId, "58C21");
    SetFieldValue(config, 2, 200000000);
    EXPECT_EQ(ValidateErrors(config, kRoom),
              "ERROR: Pixel doubling is not supported in 270 degree SwivelView "
              "mode.\nERROR: Pixel doubling is not supported in 1 BPP mode.\n");
    // Messages stay within the room given.
    config = SoundTft();
    SetFieldValue(config, 54, 3);
    ASSERT_EQ(ValidateErrors(config, kRoom), "ERROR: 3 bits-per-pixel is an invalid setting.\n");
    EXPECT_EQ(ValidateErrors(config, 11), "ERROR: 3 b");
    EXPECT_EQ(ValidateErrors(config, 1), "");
    EXPECT_EQ(ValidateErrors(config, 0), "");
    SetAll(config, {{33, 5}, {42, 3}});
    const std::string first = "Warning: PCLK Div is not between 0 and 4.\n";
    EXPECT_EQ(ValidateWarnings(config, first.size() + 1), first);
    EXPECT_EQ(ValidateWarnings(config, first.size() + 5), first + "Warn");
}

TEST(FieldValues, SetReportsChangedRequestsAndFormatsByFieldKind) {
    config::WorkingConfig config(TemplateRecord);
    ASSERT_EQ(GetFieldValue(config, 67), 352u);
    EXPECT_FALSE(SetFieldValue(config, 67, 352));
    // Stored as 352 again, but the request differed.
    EXPECT_TRUE(SetFieldValue(config, 67, 359));
    EXPECT_EQ(GetFieldValue(config, 67), 352u);
    SetFieldValue(config, 29, 4);
    EXPECT_TRUE(SetFieldValue(config, 29, 9)); // clamped to the old 4
    EXPECT_FALSE(SetFieldValue(config, 9999, 1));
    EXPECT_EQ(GetFieldValue(config, 9999), 0u);
    EXPECT_EQ(FormatFieldValue(config, 9999), "");
    EXPECT_FALSE(GetFieldListText(config, 9999, 0));
    // Hex by the field's width, lists by value.
    SetFieldValue(config, 4, 0x00800000);
    EXPECT_EQ(FormatFieldValue(config, 4), "00800000");
    config.Record.Regs[0].Index = 0x00; // give REG[00h] an entry
    config.Record.Regs[0].Value = 0x007F0000;
    EXPECT_EQ(FormatFieldValue(config, 27), "7F");
    SetFieldValue(config, 33, 3);
    EXPECT_EQ(FormatFieldValue(config, 33), "4:1");
    SetFieldValue(config, 33, 5);
    EXPECT_EQ(FormatFieldValue(config, 33), "<ERROR>");
    EXPECT_EQ(FormatFieldValue(config, 67), "352");
    SetDescriptionText(config, 1, "Board A");
    EXPECT_EQ(FormatFieldValue(config, 1), "Board A");
    EXPECT_EQ(GetFieldValue(config, 1), 7u);
    // Bits-Per-Pixel lists only the depths there are.
    EXPECT_EQ(GetFieldListText(config, 54, 16), "16");
    EXPECT_FALSE(GetFieldListText(config, 54, 3));
    // The description keeps at most 255 characters.
    EXPECT_EQ(SetDescriptionText(config, 1, std::string(300, 'x')), 255u);
    EXPECT_EQ(FormatFieldValue(config, 1), std::string(255, 'x'));
    EXPECT_EQ(config.Record.Description[255], '\0');
    EXPECT_EQ(SetDescriptionText(config, 2, "text"), 0u);
    EXPECT_EQ(GetFieldMax(config, 1), 256u);
}

// Every setting can be read, listed, formatted and changed, also with
// values far outside its range, and validation copes with the result.
TEST(FieldValues, EverySettingSurvivesExtremeValues) {
    config::WorkingConfig config(TemplateRecord);
    for (const FIELD_DESC& field : kFieldTable) {
        for (const std::uint32_t value : {0u, 1u, 0xFFFFFFFFu}) {
            SetFieldValue(config, field.Id, value);
            GetFieldValue(config, field.Id);
            EXPECT_FALSE(FormatFieldValue(config, field.Id).empty() && field.Id != 1) << field.Id;
            for (std::uint32_t item = 0; item < 300 && GetFieldListText(config, field.Id, item);
                 ++item) {
            }
        }
    }
    EXPECT_LE(ValidateErrors(config, 4096).size(), 4095u);
    EXPECT_LE(ValidateWarnings(config, 4096).size(), 4095u);
}

TEST(Layout, SwivelOffsetsKeepTheUserStartAddress) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{52, 270}, {80, 240}});
    EXPECT_EQ(SwivelOffset(config, Window::Main), 319u * 240u);
    SetFieldValue(config, 79, 0);
    EXPECT_EQ(ReadFieldBits(config, FindField(79)), 19140u);
    EXPECT_EQ(GetFieldValue(config, 79), 0u);

    SetFieldValue(config, 52, 90); // ((240 * 8 / 8 + 3) & ~3) - 4
    EXPECT_EQ(SwivelOffset(config, Window::Main), 236u);
    SetFieldValue(config, 52, 180); // 320 + 239 * 240 - 4
    EXPECT_EQ(SwivelOffset(config, Window::Main), 316u + 239u * 240u);
    SetFieldValue(config, 52, 0);
    EXPECT_EQ(SwivelOffset(config, Window::Main), 0u);
    // A saved address survives a change of SwivelView.
    config.SavedMainStart = 1024;
    SetFieldValue(config, 52, 270);
    RecomputeLayout(config);
    EXPECT_EQ(GetFieldValue(config, 79), 1024u);
    EXPECT_EQ(GetFieldValue(config, 83), 0u);
}

// Positions in the template's table.
constexpr int kFirstGpo = 2;  // REG[68h] before the power-on delay
constexpr int kLastGpo = 48;  // REG[68h] after it
constexpr int kEndEntry = 50; // riREGEND

// The composite panel type switches the GPO power pin on only after the
// delay; a new pin that shares nothing with the old one releases the old pin.
TEST(RegisterAccess, GpoPowerIsSwitchedOnOnlyAfterTheDelay) {
    config::WorkingConfig config(TemplateRecord);
    EXPECT_EQ(GetFieldValue(config, 110), 1u); // GPO0 on after the delay
    config.Record.Regs[kLastGpo].Value = 0;
    EXPECT_EQ(GetFieldValue(config, 110), 0u); // a repeated register's last entry counts
    EXPECT_EQ(ReadRegister(config, 0x68, -1), 0u);
    EXPECT_EQ(ReadRegister(config, 0x68, kFirstGpo), 0u);
    SetFieldValue(config, 24, 1); // TFT: GPO untouched
    EXPECT_EQ(config.Record.Regs[kLastGpo].Value, 0u);
    SetFieldValue(config, 24, 4);
    EXPECT_EQ(config.Record.Regs[kFirstGpo].Value, 0u);
    EXPECT_EQ(config.Record.Regs[kLastGpo].Value, 1u);
    config.Record.Regs[kFirstGpo].Value = 0x7FF;
    EXPECT_TRUE(SetFieldValue(config, 9, 0x04));
    EXPECT_EQ(config.Record.GpoPowerMask, 0x04);
    EXPECT_EQ(config.Record.Regs[kFirstGpo].Value, 0u);
    EXPECT_EQ(config.Record.Regs[kLastGpo].Value, 0x04u);
}

TEST(RegisterAccess, TableWithoutEndMarkerHasNoEndEntry) {
    HAL_STRUCT record = TemplateRecord;
    for (RegEntry& entry : record.Regs) {
        if (entry.Index == riREGEND) {
            entry = {0x80, 0x1234};
        }
    }
    config::WorkingConfig config(record);
    ASSERT_EQ(config.EntryCount, HAL_MAX_REGS);
    const HAL_STRUCT before = config.Record;
    EXPECT_EQ(GetFieldValue(config, 182), 1u); // raw 0 + 1
    SetFieldValue(config, 182, 100);
    WriteRegister(config, 0x8018, 7, -1);
    EXPECT_EQ(ReadRegister(config, 0x8018, -1), 0u);
    EXPECT_EQ(std::memcmp(&before, &config.Record, sizeof before), 0);
    EXPECT_FALSE(EnumRegister(config, HAL_MAX_REGS).more);
}

TEST(RegisterAccess, EnumerationBreakdownAndTheEndEntryThatRegistersWithoutAnEntryUse) {
    config::WorkingConfig config(TemplateRecord);
    int count = 0;
    for (int position = 0; EnumRegister(config, position).more; ++position) {
        ++count;
    }
    EXPECT_EQ(count, 50);
    EXPECT_EQ(EnumRegister(config, 0).reg, 0x8000u);
    EXPECT_EQ(EnumRegister(config, -1).reg, static_cast<std::uint32_t>(riREGEND));
    EXPECT_EQ(EnumRegister(config, 99).reg, static_cast<std::uint32_t>(riREGEND));
    // Writing all entries splits at the delay.
    WriteFieldAllEntries(config, FindField(98), 0x12, 0x1FF);
    EXPECT_EQ(config.Record.Regs[1].Value, 0x28D70012u);
    EXPECT_EQ(config.Record.Regs[49].Value, 0x28D700FFu);
    SetFieldValue(config, 182, 100); // BitBLT Width, REG[8018h]
    EXPECT_EQ(config.Record.Regs[kEndEntry].Index, static_cast<HAL_U32>(riREGEND));
    EXPECT_EQ(config.Record.Regs[kEndEntry].Value, 99u);
    EXPECT_EQ(GetFieldValue(config, 182), 100u);
    // Any register without an entry shares those bits.
    EXPECT_EQ(GetFieldValue(config, 183), 100u);
    EXPECT_EQ(ReadRegister(config, 0x8018, kEndEntry), 99u);
    EXPECT_EQ(ReadRegister(config, 0x8018, kEndEntry + 1), 0u);
    EXPECT_EQ(WriteRegister(config, 0x8018, 5, kEndEntry + 1), 5u);
    EXPECT_EQ(config.Record.Regs[kEndEntry + 1].Value, 0u);
    // The breakdowns of the template's entries are in the settings transcript.
    config.Record.Regs[23].Value = 0x91; // REG[70h]
    const std::string text = RegisterBreakdown(config, 23);
    EXPECT_NE(text.find("\n  [Bits7:4]  PWMCLK Div = 512:1 "), std::string::npos);
    EXPECT_NE(text.find("\n  [Bit0]  PWMCLK Enabled = Enabled "), std::string::npos);
    EXPECT_EQ(config.PositionHint, -1);
    EXPECT_EQ(RegisterBreakdown(config, -1), "");
    config.Record.Regs[0].Index = 0x4000; // no field describes a USB register
    EXPECT_EQ(RegisterBreakdown(config, 0), "");
}

} // namespace
} // namespace k7r::regs
