#include "regs/validation.h"
#include "tests/regs/setting_steps.h"

#include <cstring>

namespace k7r::regs {
namespace {

using test::SetAll;

constexpr std::size_t kRoom = 4096;

std::string Errors(config::WorkingConfig& config) {
    return ValidateErrors(config, kRoom);
}

std::string Warnings(config::WorkingConfig& config) {
    return ValidateWarnings(config, kRoom);
}

// A 640 x 480 TFT panel at 8 bpp with sound timings: nothing to report.
config::WorkingConfig SoundTft() {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config,
           {{24, 1}, {68, 640}, {74, 480}, {67, 800}, {73, 525}, {69, 5}, {3, 25175000}, {32, 1}});
    config.SavedMainStart = 0;
    return config;
}

TEST(Validation, DefaultsAndASoundPanelAreClean) {
    for (config::WorkingConfig config : {config::WorkingConfig(TemplateRecord), SoundTft()}) {
        EXPECT_EQ(Errors(config) + Warnings(config), "");
    }
}

TEST(Validation, InvalidDepthStillChecksBandwidth) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{54, 3}, {3, 50000000}, {2, 8000000}, {34, 3}});
    // 50 MHz / (16 / 3) = 10 MHz > 8 MHz
    EXPECT_EQ(Errors(config), "ERROR: 3 bits-per-pixel is an invalid setting.\n"
                              "ERROR: MCLK is less than PCLK/(16/BPP).\n");
}

TEST(Validation, MemoryBandwidthDependsOnSwivelView) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{3, 25000000}, {2, 12000000}});
    EXPECT_EQ(Errors(config), "ERROR: MCLK is less than PCLK/(16/BPP).\n");
    SetFieldValue(config, 2, 30000000);
    EXPECT_EQ(Errors(config), "");
    SetFieldValue(config, 52, 90); // threshold 31.25 MHz
    EXPECT_EQ(Errors(config), "ERROR: MCLK is less than 1.25PCLK.\n");
}

TEST(Validation, HorizontalAndVerticalTotals) {
    config::WorkingConfig config = SoundTft();
    SetFieldValue(config, 67, 648); // HPS 5 + HDP 640 = 645 < 648
    EXPECT_EQ(Errors(config), "");
    SetFieldValue(config, 69, 8); // equal: an error
    EXPECT_EQ(Errors(config),
              "ERROR: Horz Total is less than or equal to (Horz Start Pos + Horz Disp Period).\n");
    config = SoundTft();
    SetFieldValue(config, 73, 480); // VT = VPS 0 + VDP 480: allowed
    EXPECT_EQ(Errors(config), "");
    SetFieldValue(config, 75, 1);
    EXPECT_EQ(Errors(config),
              "ERROR: Vert Total is less than (Vert Start Pos + Vert Disp Period).\n");
}

// Each finding names the settings its message names, so that a picture can
// mark them; a register's reserved bits name none.
TEST(Validation, FindingsNameTheirSettings) {
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
}

TEST(Validation, EightMclkRuleIsSkippedWithoutMclk) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{67, 648}, {2, 25175000 * 8 / 7}}); // 7 pixels in 8 MCLKs: 647 < 648
    EXPECT_EQ(Errors(config), "");
    SetFieldValue(config, 2, 25175000 * 8 / 9); // 9 pixels: 649 > 648
    EXPECT_NE(Errors(config).find("pixel count in 8 MCLKs"), std::string::npos);
    SetFieldValue(config, 2, 0);
    EXPECT_EQ(Errors(config).find("pixel count in 8 MCLKs"), std::string::npos);
}

TEST(Validation, PixelDoubling) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{45, 1}, {54, 1}});
    EXPECT_EQ(Errors(config), "");
    SetFieldValue(config, 52, 270);
    std::strcpy(config.Record.ChipId, "58C21");
    SetFieldValue(config, 2, 200000000);
    EXPECT_EQ(Errors(config), "ERROR: Pixel doubling is not supported in 270 degree SwivelView "
                              "mode.\nERROR: Pixel doubling is not supported in 1 BPP mode.\n");
}

TEST(Validation, RegisterValueWarnings) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{33, 5}, {42, 3}, {120, 0}, {124, 0}});
    EXPECT_EQ(Warnings(config), "Warning: PCLK Div is not between 0 and 4.\n"
                                "Warning: Panel Data Width is set to a RESERVED value of 3.\n"
                                "Warning: CLS Pulse Width must be greater than 0.\n"
                                "Warning: PS3 Signal Width must be greater than 0.\n");
}

TEST(Validation, StnTimingWarnings) {
    config::WorkingConfig config(TemplateRecord);
    SetAll(config, {{69, 30}, {75, 2}, {73, 300}});
    EXPECT_EQ(Warnings(config),
              "Warning: Horz Start Pos must be 22 (where REG[28h] = 0) when Panel Type is STN.\n"
              "Warning: FPLINE Start should be greater than (Horz Disp Period + Horz Start Pos) "
              "when Panel Type is STN.\n"
              "Warning: Vert Start Pos must be 0 when Panel Type is STN.\n");
    SetAll(config, {{69, 22}, {75, 0}, {71, 10}}); // 343 + 10 >= 352
    EXPECT_EQ(Warnings(config), "Warning: Horz Total should be greater than (FPLINE Start + "
                                "FPLINE Width) when Panel Type is STN.\n");
    SetAll(config, {{24, 1}, {69, 5}}); // not for TFT
    EXPECT_EQ(Warnings(config), "");
}

TEST(Validation, HrTftVerticalTotal) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{24, 2}, {73, 487}}); // PS1/2 End 7 + FPFRAME Start 0 + 480 + 1 = 488
    EXPECT_EQ(Warnings(config), "Warning: Vert Total should be greater than (PS1/2 End + Vert "
                                "Disp Period + FPFRAME Start + 1) when Panel Type is HR-TFT.\n");
    SetFieldValue(config, 73, 488);
    EXPECT_EQ(Warnings(config), "");
}

TEST(Validation, MemorySizeBoundaries) {
    config::WorkingConfig config = SoundTft();
    SetFieldValue(config, 11, 262144);
    EXPECT_EQ(Warnings(config), "");
    SetFieldValue(config, 79, 4);
    EXPECT_EQ(Warnings(config), "Warning: The Main Start Addr will cause the displayed image to "
                                "exceed 256 KB.\n");
    SetFieldValue(config, 11, 307200);
    EXPECT_EQ(Warnings(config),
              "Warning: Total Avail Vid Mem is 256 KB, but 300 KB is required.\n");
}

TEST(Validation, ReservedBitRuns) {
    config::WorkingConfig config(TemplateRecord);
    config.Record.Regs[6].Value = 0xFC000088; // REG[10h]: bits 31:26 and 7 stray, 3 is bpp
    config.Record.Regs[5].Value |= 0x08;      // REG[0Ch] bit 3: the reserved HR-TFT Res
    config.Record.Regs[0].Index = 0x4000;     // no field describes it
    config.Record.Regs[0].Value = 0x8001;
    EXPECT_NE(Warnings(config).find("Warning: REG[4000h] bits 0, 15 set, but should be "
                                    "RESERVED.\nWarning: REG[0Ch] bit 3 set, but should be "
                                    "RESERVED.\nWarning: REG[10h] bits 7, 31:26 set, but should be "
                                    "RESERVED.\n"),
              std::string::npos);
    // Pseudo-registers carry delays and the end, not bits.
    config = config::WorkingConfig(TemplateRecord);
    config.Record.Regs[47].Value = 0xFFFFFFFF;
    config.Record.Regs[50].Value = 0xFFFFFFFF;
    EXPECT_EQ(Warnings(config), "");
}

TEST(Validation, SwivelViewOverflowAndFirstByte) {
    config::WorkingConfig config = SoundTft();
    // 636 + 479 * 4092 bytes do not fit 17 bits of words.
    SetAll(config, {{52, 180}, {80, 4092}, {79, 0}, {11, 0}});
    EXPECT_EQ(Warnings(config),
              "Warning: The Main Start Addr SwivelView calculation overflowed.\n");
    config = SoundTft();
    SetAll(config, {{52, 90}, {54, 1}, {74, 200}}); // 200 / 8 = 25 bytes: 3 bytes of padding
    EXPECT_EQ(Warnings(config), "Warning: First byte of display memory starts at address 3.\n");
}

TEST(Validation, MessagesStayWithinTheRoom) {
    config::WorkingConfig config = SoundTft();
    SetFieldValue(config, 54, 3);
    const std::string full = ValidateErrors(config, kRoom);
    ASSERT_EQ(full, "ERROR: 3 bits-per-pixel is an invalid setting.\n");
    EXPECT_EQ(ValidateErrors(config, 11), "ERROR: 3 b");
    EXPECT_EQ(ValidateErrors(config, 1), "");
    EXPECT_EQ(ValidateErrors(config, 0), "");
    SetAll(config, {{33, 5}, {42, 3}});
    const std::string first = "Warning: PCLK Div is not between 0 and 4.\n";
    EXPECT_EQ(ValidateWarnings(config, first.size() + 1), first);
    EXPECT_EQ(ValidateWarnings(config, first.size() + 5), first + "Warn");
}

} // namespace
} // namespace k7r::regs
