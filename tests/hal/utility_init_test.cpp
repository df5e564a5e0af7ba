#include "config/working_config.h"
#include "emu/panel_picture.h"
#include "hal/init.h"
#include "hal/utility_init.h"
#include "tests/hal/chip_fixture.h"

#include <png.h>

#include <cstdio>
#include <string>

namespace k7r {
namespace {

using test::ChipTest;
using test::SetEnvironment;

class UtilityInitTest : public ChipTest {
  protected:
    void SetUp() override {
        ChipTest::SetUp();
        layerRecord = TemplateRecord;
        hal::UseRecord(layerRecord);
    }

    HAL_STRUCT layerRecord{};
    WorkingConfig config{TemplateRecord};
    std::string message;
};

TEST_F(UtilityInitTest, CopiesTheWorkingRecordWithAFreshCrcAndBinds) {
    config.AutoRedraw = true;
    config.Record.ClkI = 40000000;
    EXPECT_TRUE(hal::InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(message, "Initialized K7R58C22 using HAL build 2.\n");
    EXPECT_EQ(layerRecord.ClkI, 40000000u);
    EXPECT_EQ(layerRecord.Crc, ComputeRecordCrc(layerRecord));
    EXPECT_NE(layerRecord.Crc, 0);
    EXPECT_TRUE(config.Bound);
    EXPECT_EQ(config.RedrawCountdown, 1u);
    EXPECT_NE(config.RegisterBase, 0u);
    EXPECT_EQ(config.MemoryBase, config.RegisterBase + 0x200000);
    EXPECT_EQ(board().Synthesizer().Programmed(0).frequencyHz, hal::ClockState()[0].achievedHz);

    // Acquired once per process: a second run keeps the mapping.
    const std::uintptr_t registers = config.RegisterBase;
    EXPECT_TRUE(hal::InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(config.RegisterBase, registers);
    EXPECT_EQ(hal::Bases().registers, registers);
    // The second programming starts from the GPIO state the table left.
    EXPECT_EQ(board().Synthesizer().Words().size(), 8u);
    EXPECT_TRUE(board().Synthesizer().Errors().empty());
}

TEST_F(UtilityInitTest, ResetWithoutRegistersLeavesTheChipUnbound) {
    config.Bound = config.Live = true;
    EXPECT_TRUE(hal::InitializeFromWorkingConfig(config, {.initializeRegisters = false}));
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RedrawCountdown, 0u);
}

TEST_F(UtilityInitTest, FailureToAcquireIsReported) {
    SetEnvironment(emu::kEmulatorVariable, nullptr);
    config.Bound = config.Live = true;
    EXPECT_FALSE(hal::InitializeFromWorkingConfig(config, {}, &message));
    EXPECT_EQ(message, "Cannot Initialize: ERROR: Unable to find/load the K7R58xxx driver.\n");
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    EXPECT_EQ(config.RegisterBase, 0u);
}

TEST_F(UtilityInitTest, ShutdownResetsABoundChipOnly) {
    ASSERT_TRUE(hal::InitializeFromWorkingConfig(config, {}));
    const int usbResets = board().UsbResets();
    config.Live = true;
    hal::ShutdownChip(config);
    EXPECT_EQ(board().UsbResets(), usbResets + 1);
    EXPECT_EQ(board().ChipResets(), 1);
    EXPECT_FALSE(config.Bound);
    EXPECT_FALSE(config.Live);
    hal::ShutdownChip(config);
    EXPECT_EQ(board().ChipResets(), 1);
}

// With a ".png" value the emulator leaves the panel picture behind when the
// layer lets go of the board.
TEST_F(ChipTest, ReleaseWritesThePanelPicture) {
    const std::string path = std::string(K7R_BINARY_DIR) + "/tests/hal_release_picture.png";
    std::remove(path.c_str());
    test::SetEnvironment(emu::kEmulatorVariable, path.c_str());
    ASSERT_TRUE(hal::AcquireChip().has_value());
    ASSERT_TRUE(hal::InitializeChip(0));
    hal::FillMem32(0, 0xFFFFFFFF, 320 / 4); // first line: entry 255, white
    EXPECT_EQ(hal::ReleaseChip(), 0u);

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << image.message;
    EXPECT_EQ(image.width, 320u);
    EXPECT_EQ(image.height, 240u);
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    EXPECT_EQ(pixels[0], 0xFF);
    EXPECT_EQ(pixels[319 * 3 + 2], 0xFF);
    EXPECT_EQ(pixels[320 * 3], 0x00);
}

} // namespace
} // namespace k7r
