#include "regs/validation.h"
#include "tests/regs/setting_steps.h"

#include <cstring>

namespace k7r::regs {
namespace {

using test::SetAll;

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

TEST(Validation, PixelDoubling) {
    config::WorkingConfig config = SoundTft();
    SetAll(config, {{45, 1}, {54, 1}});
    EXPECT_EQ(ValidateErrors(config, kRoom), "");
    SetFieldValue(config, 52, 270);
    std::strcpy(config.Record.ChipId, "58C21");
    SetFieldValue(config, 2, 200000000);
    EXPECT_EQ(ValidateErrors(config, kRoom),
              "ERROR: Pixel doubling is not supported in 270 degree SwivelView "
              "mode.\nERROR: Pixel doubling is not supported in 1 BPP mode.\n");
}

TEST(Validation, ReservedBitRuns) {
    config::WorkingConfig config(TemplateRecord);
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
