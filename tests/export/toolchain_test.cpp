// The generated files in the hands of the tools they are meant for: C
// compilers and a web browser. Host tools only, so this
// program runs natively. The C programs around the headers are in fixtures/.
#include "config/record.h"
#include "containers/config_file.h"
#include "export/appcfg_header.h"
#include "export/chip_header.h"
#include "export/export_options.h"
#include "export/generic_header.h"
#include "export/html_export.h"
#include "export/mode_header.h"
#include "export_test_support.h"
#include "tests/support/child_process.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace k7r::exporter {
namespace {

using namespace std::chrono_literals;

// A shell command's status, and everything it printed in the report.
test::ChildOutcome RunCommand(const std::string& command) {
    return test::RunProgram({"/bin/sh", "-c", "(" + command + ") 1>&2"}, "/dev/null", 2min);
}

const std::string kFixtures = K7R_SOURCE_DIR "/tests/export/fixtures/";

// The generated headers keep the "//" comments of their kind, which C89
// does not have: C99 is the strictest standard they can meet.
std::string Compile(const std::string& compiler, const std::string& dir) {
    return compiler + " -std=c99 -pedantic -Wall -Wextra -Werror -I" + dir +
           " -I" K7R_SOURCE_DIR "/include ";
}

// A compiler for one byte order, the objcopy of its binutils and a test
// image (tests/images) of that byte order.
struct Target {
    std::string compiler;
    std::string objcopy;
    std::string image;
    std::endian order;
};

const Target kTargets[] = {
    {"gcc", "objcopy", "carrier.elf", std::endian::little},
    {"i686-w64-mingw32-gcc", "i686-w64-mingw32-objcopy", "carrier.exe", std::endian::little},
    {"x86_64-w64-mingw32-gcc", "x86_64-w64-mingw32-objcopy", "carrier64.exe", std::endian::little},
    {"m68k-linux-gnu-gcc", "m68k-linux-gnu-objcopy", "m68k_board.elf", std::endian::big},
    // A big-endian compiler that predefines no byte order, told by the program.
    {"m68k-linux-gnu-gcc -U__BYTE_ORDER__ -DHAL_BIG_ENDIAN", "m68k-linux-gnu-objcopy",
     "m68k_board.elf", std::endian::big},
};

class Toolchain : public testing::TestWithParam<const char*> {
  protected:
    // Made before the scratch directory, which reading the rotated
    // configuration back uses and empties.
    config::WorkingConfig config_ = test::NamedConfig(GetParam());
    const std::string dir_ = test::ScratchDirectory();
};

// The record appcfg.h makes on each target is configured there, and it is
// the record that saving the configuration writes into an image of the
// target's byte order: the object file's data section holds it alone,
// perhaps padded behind it.
TEST_P(Toolchain, AppCfgCompilesToTheRecordAnImageOfTheTargetsByteOrderHolds) {
    std::strcpy(config_.Record.Description, "Rev \"B\"\nC:\\boards\\k7r ?\?/");
    test::WriteText(dir_ + "/appcfg.h", ExportAppCfg(config_, 17));
    for (std::size_t i = 0; i < std::size(kTargets); ++i) {
        const Target& target = kTargets[i];
        SCOPED_TRACE(target.compiler);
        const std::string name = dir_ + "/target" + std::to_string(i);
        const test::ChildOutcome build = RunCommand(Compile(target.compiler, dir_) + "-c " +
                                                    kFixtures + "record.c -o " + name + ".o");
        ASSERT_EQ(build.status, 0) << build.report;
        const std::string data = " -O binary --only-section=.data " + name + ".o " + name + ".data";
        ASSERT_EQ(RunCommand(target.objcopy + data).status, 0);
        const std::string record = test::ReadText(name + ".data").substr(0, sizeof(HAL_STRUCT));
        ASSERT_EQ(record.size(), sizeof(HAL_STRUCT));
        const auto crc = [&](std::size_t byte) {
            return static_cast<std::uint8_t>(record[offsetof(HAL_STRUCT, Crc) + byte]);
        };
        EXPECT_EQ(target.order == std::endian::big ? crc(0) << 8 | crc(1) : crc(1) << 8 | crc(0),
                  config::ComputeRecordCrc(reinterpret_cast<const std::uint8_t*>(record.data())));

        const std::string image = name + "_" + target.image;
        ASSERT_TRUE(containers::SaveConfigFile(test::TestImagePath(target.image), image,
                                               config_.Record, false, test::FailWith));
        HAL_STRUCT stored{};
        ASSERT_TRUE(containers::InspectConfigFile(image, stored, test::FailWith));
        const std::string saved(reinterpret_cast<const char*>(&stored), sizeof stored);
        EXPECT_TRUE(record == saved)
            << "from byte "
            << std::mismatch(record.begin(), record.end(), saved.begin()).first - record.begin();
    }
}

TEST_P(Toolchain, HeadersLinkAsThePublicHeaderDescribesAndCompileInADriver) {
    const std::uint32_t flags = ExportOptions{}.ModeFlags | mfSWCURSOR;
    test::WriteText(dir_ + "/appcfg.h", ExportAppCfg(config_, 17));
    test::WriteText(dir_ + "/chip.h", ExportChipHeader(config_, 17));
    test::WriteText(dir_ + "/mode0.h", ExportModeHeader(config_, 0, flags, 17));
    test::WriteText(dir_ + "/k7r58c22.h", ExportGenericHeader(config_, 17, flags));
    const test::ChildOutcome build = RunCommand(Compile("gcc", dir_) + kFixtures + "main.c " +
                                                kFixtures + "other.c -o " + dir_ + "/program");
    ASSERT_EQ(build.status, 0) << build.report;
    EXPECT_EQ(RunCommand(dir_ + "/program").status, 0);
    for (const char* compiler : {"gcc", "i686-w64-mingw32-gcc", "x86_64-w64-mingw32-gcc"}) {
        const test::ChildOutcome driver = RunCommand(Compile(compiler, dir_) + "-c " + kFixtures +
                                                     "driver.c -o " + dir_ + "/driver.o");
        EXPECT_EQ(driver.status, 0) << compiler << "\n" << driver.report;
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, Toolchain, testing::Values("template", "rotated"));

TEST(Browser, RendersEveryDescribedRegisterWithSixteenColumnRows) {
    const std::string page = test::ScratchDirectory() + "/k7r58c22.html";
    test::WriteText(page, ExportHtml(17));
    const test::ChildOutcome dom =
        RunCommand("chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                   "--disable-background-networking --disable-component-update --disable-sync "
                   "--user-data-dir=$(mktemp -d) --dump-dom file://" +
                   page + " 2>/dev/null | python3 " K7R_SOURCE_DIR "/tests/export/check_html.py");
    ASSERT_EQ(dom.status, 0) << dom.report;
    EXPECT_EQ(dom.report, "59\n"); // as many as the golden page describes
}

} // namespace
} // namespace k7r::exporter
