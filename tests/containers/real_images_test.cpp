// The container core on a program image made by a real toolchain: a
// big-endian m68k ELF. The little-endian images are saved into wherever the
// exported headers are compiled for their targets.
#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "containers/raw_container.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace k7r::containers {
namespace {

using namespace test;

void Fail(const std::string& text) {
    ADD_FAILURE() << text;
}

TEST(BigEndianImage, IsAdoptedInHostOrderAndSavedBackBigEndianWithASwappedCrc) {
    const std::string path = ScratchDirectory() + "/m68k_board.elf";
    std::filesystem::copy_file(TestImagePath("m68k_board.elf"), path);
    const Bytes before = ReadFileBytes(path);
    std::string_view message;
    std::uint64_t offset = 0;
    ASSERT_EQ(FindRecordRaw(nullptr, ImageSource(before), false, message, &offset), kRecordFound);

    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(OpenConfigFile(path, config, Fail));
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
    ASSERT_TRUE(SaveConfigFile(path, "", config.Record, false, Fail));
    // The expected file, its record changed byte by byte from the big-endian
    // original.
    Bytes expected = before;
    std::uint8_t* record = expected.data() + offset;
    const std::uint8_t clkI[] = {0x01, 0xC9, 0xC3, 0x80};
    std::copy(std::begin(clkI), std::end(clkI), record + offsetof(HAL_STRUCT, ClkI));
    record[offsetof(HAL_STRUCT, Regs) + 8 + 7] = 0x43;
    const std::uint16_t crc =
        config::Crc16({record + config::kCrcFirstByte, config::kCrcByteCount});
    record[offsetof(HAL_STRUCT, Crc)] = static_cast<std::uint8_t>(crc >> 8);
    record[offsetof(HAL_STRUCT, Crc) + 1] = static_cast<std::uint8_t>(crc);
    EXPECT_EQ(ReadFileBytes(path), expected);
}

} // namespace
} // namespace k7r::containers
