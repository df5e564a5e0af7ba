// A big-endian m68k ELF made by a real toolchain, opened in host order.
// Saves into images of either byte order are checked against the record
// each target's compiler makes from the exported header.
#include "config/default_records.h"
#include "containers/config_file.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

namespace k7r::containers {
namespace {

using namespace test;

void Fail(const std::string& text) {
    ADD_FAILURE() << text;
}

TEST(BigEndianImage, IsAdoptedInHostOrder) {
    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(OpenConfigFile(TestImagePath("m68k_board.elf"), config, Fail));
    const HAL_STRUCT& r = config.Record;
    EXPECT_STREQ(r.Description, "m68k evaluation board");
    EXPECT_EQ(r.EndianMark, HAL_ENDIAN_MARK);
    EXPECT_EQ(r.ClkI, 25175000u);
    EXPECT_EQ(r.RegPhysAddr, 0x00F00000u);
    EXPECT_EQ(r.PowerOffTime, 500);
    EXPECT_EQ(config.EntryCount, 5);
    EXPECT_EQ(r.Regs[4].Value, 0x28D70002u);
}

} // namespace
} // namespace k7r::containers
