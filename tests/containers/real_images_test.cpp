// The container core on program images made by real toolchains: a Linux ELF
// and 32- and 64-bit Windows PEs carrying the viewer's record, and a
// big-endian m68k ELF.
#include "config/byte_order.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "containers/raw_container.h"
#include "tests/containers/container_builders.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace k7r::containers {
namespace {

using namespace test;

std::size_t RecordOffset(const Bytes& image) {
    std::string_view message;
    std::uint64_t offset = 0;
    EXPECT_EQ(FindRecordRaw(nullptr, ImageSource(image), false, message, &offset), kRecordFound)
        << message;
    return static_cast<std::size_t>(offset);
}

// The image with the record at offset replaced.
Bytes WithRecord(Bytes image, std::size_t offset, std::span<const std::uint8_t> record) {
    std::copy(record.begin(), record.end(), image.begin() + offset);
    return image;
}

class RealImageTest : public testing::TestWithParam<const char*> {
  protected:
    // A scratch copy of the built image, so the original stays pristine.
    std::string CopyOfImage(const std::string& name) {
        const std::string copy = dir_ + "/" + name;
        std::filesystem::copy_file(TestImagePath(name), copy);
        return copy;
    }

    const std::string dir_ = ScratchDirectory();
    MessageSink sink_ = [](const std::string& text) { ADD_FAILURE() << text; };
};

TEST_P(RealImageTest, OpensTheViewerRecordAndSavesInPlaceChangingOnlyIt) {
    const std::string path = CopyOfImage(GetParam());
    const Bytes before = ReadFileBytes(path);
    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(OpenConfigFile(path, config, sink_));
    EXPECT_EQ(std::memcmp(&config.Record, &ViewerRecord, sizeof ViewerRecord), 0);
    std::strcpy(config.Record.Description, "patched in place");
    config.Record.ClkI2 = 25000000;

    ASSERT_TRUE(SaveConfigFile(path, "", config.Record, false, sink_));
    EXPECT_EQ(ReadFileBytes(path), WithRecord(before, RecordOffset(before),
                                              BytesOf(OutgoingRecord(config.Record, false))));
}

INSTANTIATE_TEST_SUITE_P(Toolchains, RealImageTest,
                         testing::Values("carrier.elf", "carrier.exe", "carrier64.exe"),
                         [](const auto& info) {
                             const std::string name = info.param;
                             return name == "carrier.elf"   ? "Elf"
                                    : name == "carrier.exe" ? "Pe32"
                                                            : "Pe64";
                         });

TEST(BigEndianImage, IsAdoptedInHostOrderAndSavedBackBigEndianWithASwappedCrc) {
    const std::string path = ScratchDirectory() + "/m68k_board.elf";
    std::filesystem::copy_file(TestImagePath("m68k_board.elf"), path);
    const Bytes before = ReadFileBytes(path);
    const std::size_t offset = RecordOffset(before);
    auto fail = [](const std::string& text) { ADD_FAILURE() << text; };

    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(OpenConfigFile(path, config, fail));
    const HAL_STRUCT& r = config.Record;
    EXPECT_STREQ(r.Description, "m68k evaluation board");
    EXPECT_EQ(r.EndianMark, HAL_ENDIAN_MARK);
    EXPECT_EQ(r.ClkI, 25175000u);
    EXPECT_EQ(r.RegPhysAddr, 0x00F00000u);
    EXPECT_EQ(r.PowerOffTime, 500);
    EXPECT_EQ(config.EntryCount, 5);
    EXPECT_EQ(r.Regs[4].Value, 0x28D70002u);

    config.Record.ClkI = 0x01C9C380; // 30 MHz
    config.Record.Regs[1].Value = 0x00000043;
    ASSERT_TRUE(SaveConfigFile(path, "", config.Record, false, fail));
    // The expected record, built byte by byte from the big-endian original.
    Bytes expected(before.begin() + offset, before.begin() + offset + HAL_RECORD_SIZE);
    const Bytes clkI = {0x01, 0xC9, 0xC3, 0x80};
    std::copy(clkI.begin(), clkI.end(), expected.begin() + offsetof(HAL_STRUCT, ClkI));
    expected[offsetof(HAL_STRUCT, Regs) + 8 + 7] = 0x43;
    const std::uint16_t crc =
        config::Crc16({expected.data() + config::kCrcFirstByte, config::kCrcByteCount});
    expected[offsetof(HAL_STRUCT, Crc)] = static_cast<std::uint8_t>(crc >> 8);
    expected[offsetof(HAL_STRUCT, Crc) + 1] = static_cast<std::uint8_t>(crc);
    EXPECT_EQ(ReadFileBytes(path), WithRecord(before, offset, expected));
}

} // namespace
} // namespace k7r::containers
