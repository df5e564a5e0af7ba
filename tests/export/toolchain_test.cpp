// The generated files in the hands of the tools they are meant for: C
// compilers, Python's csv module and a web browser. Host tools only, so this
// program runs natively.
#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "export/appcfg_header.h"
#include "export/chip_header.h"
#include "export/export_options.h"
#include "export/generic_header.h"
#include "export/html_export.h"
#include "export/mode_header.h"
#include "export/text_format.h"
#include "export_test_support.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace k7r::exporter {
namespace {

struct CommandResult {
    int status;
    std::string output;
};

CommandResult RunCommand(const std::string& command) {
    CommandResult result{-1, {}};
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.output.append(buffer, n);
    }
    result.status = pclose(pipe);
    return result;
}

// The generated headers keep the "//" comments of their kind, which C89
// does not have: C99 is the strictest standard they can meet.
const std::string kStrictC = "-std=c99 -pedantic -Wall -Wextra -Werror";

class Toolchain : public testing::TestWithParam<const char*> {
  protected:
    std::string Compile(const std::string& compiler, const std::string& source,
                        const std::string& output) const {
        return compiler + " " + kStrictC + " -I" + K7R_SOURCE_DIR + " -I" + dir_ + " " + dir_ +
               "/" + source + " -o " + dir_ + "/" + output;
    }

    // Made before the scratch directory, which reading the rotated
    // configuration back uses and empties.
    config::WorkingConfig config_ =
        std::string(GetParam()) == "rotated" ? test::RotatedConfig() : test::TemplateConfig();
    const std::string dir_ = test::ScratchDirectory();
};

// A compiler for one byte order, the objcopy of its binutils and a test
// image (tests/images) of that byte order.
struct Target {
    std::string compiler;
    std::string objcopy;
    std::string image;
    std::endian order;
};

const Target kM68k = {"m68k-linux-gnu-gcc", "m68k-linux-gnu-objcopy", "m68k_board.elf",
                      std::endian::big};
const Target kTargets[] = {
    {"gcc", "objcopy", "carrier.elf", std::endian::little},
    {"i686-w64-mingw32-gcc", "i686-w64-mingw32-objcopy", "carrier.exe", std::endian::little},
    {"x86_64-w64-mingw32-gcc", "x86_64-w64-mingw32-objcopy", "carrier64.exe", std::endian::little},
    kM68k,
    // A big-endian compiler that predefines no byte order, told by the program.
    {"m68k-linux-gnu-gcc -U__BYTE_ORDER__ -DHAL_BIG_ENDIAN", "m68k-linux-gnu-objcopy",
     "m68k_board.elf", std::endian::big},
};

// HalInfo's bytes as the target compiles dir/appcfg.h with the kit's public
// header: the object file's data section holds the record alone, perhaps
// padded behind it.
std::string CompiledRecord(const Target& target, const std::string& dir, const std::string& name) {
    test::WriteText(dir + "/" + name + ".c", "#include <k7r58c22/hal_struct.h>\n"
                                             "#include \"appcfg.h\"\n");
    const std::string object = dir + "/" + name + ".o";
    const CommandResult build =
        RunCommand(target.compiler + " " + kStrictC + " -I" + dir +
                   " -I" K7R_SOURCE_DIR "/include -c " + dir + "/" + name + ".c -o " + object);
    EXPECT_EQ(build.status, 0) << build.output;
    const std::string data = dir + "/" + name + ".data";
    const CommandResult copied =
        RunCommand(target.objcopy + " -O binary --only-section=.data " + object + " " + data);
    EXPECT_EQ(copied.status, 0) << copied.output;
    return test::ReadText(data).substr(0, sizeof(HAL_STRUCT));
}

void Fail(const std::string& text) {
    ADD_FAILURE() << text;
}

// The record of an image exactly as the file stores it.
std::string ImageRecord(const std::string& path) {
    HAL_STRUCT stored{};
    EXPECT_TRUE(containers::InspectConfigFile(path, stored, Fail));
    return {reinterpret_cast<const char*>(&stored), sizeof stored};
}

// The first byte at which two records differ, for a failure message that
// names it rather than printing both records.
std::size_t FirstDifference(const std::string& a, const std::string& b) {
    return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
}

// The Crc of a compiled record read in its target's byte order.
std::uint16_t StoredCrc(const std::string& record, std::endian order) {
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint8_t>(record[offsetof(HAL_STRUCT, Crc) + i]);
    };
    return order == std::endian::big ? byte(0) << 8 | byte(1) : byte(1) << 8 | byte(0);
}

// The record appcfg.h makes on each target is configured there, and it is
// the record that saving the configuration writes into an image of the
// target's byte order.
TEST_P(Toolchain, AppCfgCompilesToTheRecordAnImageOfTheTargetsByteOrderHolds) {
    std::strcpy(config_.Record.Description, "Rev \"B\"\nC:\\boards\\k7r ?\?/");
    test::WriteText(dir_ + "/appcfg.h", ExportAppCfg(config_, 17));
    for (std::size_t i = 0; i < std::size(kTargets); ++i) {
        const Target& target = kTargets[i];
        SCOPED_TRACE(target.compiler);
        const std::string name = "target" + std::to_string(i);
        const std::string record = CompiledRecord(target, dir_, name);
        ASSERT_EQ(record.size(), sizeof(HAL_STRUCT));
        EXPECT_EQ(StoredCrc(record, target.order),
                  config::ComputeRecordCrc(reinterpret_cast<const std::uint8_t*>(record.data())));

        const std::string image = dir_ + "/" + name + "_" + target.image;
        ASSERT_TRUE(containers::SaveConfigFile(test::TestImagePath(target.image), image,
                                               config_.Record, false, Fail));
        const std::string saved = ImageRecord(image);
        EXPECT_TRUE(record == saved) << "from byte " << FirstDifference(record, saved);
    }
}

// The m68k board's own configuration, exported and compiled for the board
// again, gives the record its image was built with, CRC 3601h included.
TEST(BigEndianBoard, AppCfgOfItsImageCompilesToTheImagesRecord) {
    const std::string board = test::TestImagePath("m68k_board.elf");
    config::WorkingConfig config(TemplateRecord);
    ASSERT_TRUE(containers::OpenConfigFile(board, config, Fail));
    const std::string dir = test::ScratchDirectory();
    test::WriteText(dir + "/appcfg.h", ExportAppCfg(config, 17));
    const std::string record = CompiledRecord(kM68k, dir, "board");
    const std::string built = ImageRecord(board);
    EXPECT_TRUE(record == built) << "from byte " << FirstDifference(record, built);
}

// A program of two source files, put together as the public header says:
// chip.h and appcfg.h in one file, the REG names and the record elsewhere.
TEST_P(Toolchain, ExportedHeadersLinkAsThePublicHeaderDescribes) {
    test::WriteText(dir_ + "/appcfg.h", ExportAppCfg(config_, 17));
    test::WriteText(dir_ + "/chip.h", ExportChipHeader(config_, 17));
    test::WriteText(dir_ + "/main.c",
                    "#include <k7r58c22/hal_struct.h>\n"
                    "#include \"chip.h\"\n"
                    "#include \"appcfg.h\"\n"
                    "int FirstIsBitBlt(void);\n"
                    "int main(void) {\n"
                    "    return !(FirstIsBitBlt() && BLTControl == REG8000_BLT_CONTROL);\n"
                    "}\n");
    test::WriteText(dir_ + "/other.c", "#include <k7r58c22/hal_struct.h>\n"
                                       "extern HAL_STRUCT HalInfo;\n"
                                       "int FirstIsBitBlt(void) {\n"
                                       "    return HalInfo.Regs[0].Index == REG8000_BLT_CONTROL;\n"
                                       "}\n");
    const CommandResult build =
        RunCommand("gcc " + kStrictC + " -I" K7R_SOURCE_DIR "/include " + dir_ + "/main.c " + dir_ +
                   "/other.c -o " + dir_ + "/program");
    ASSERT_EQ(build.status, 0) << build.output;
    EXPECT_EQ(RunCommand(dir_ + "/program").status, 0);
}

TEST_P(Toolchain, DriverHeadersCompileForLinuxAndWindows) {
    const std::uint32_t flags = ExportOptions{}.ModeFlags | mfSWCURSOR;
    test::WriteText(dir_ + "/chip.h", ExportChipHeader(config_, 17));
    test::WriteText(dir_ + "/mode0.h", ExportModeHeader(config_, 0, flags, 17));
    test::WriteText(dir_ + "/k7r58c22.h", ExportGenericHeader(config_, 17, flags));
    // What a display driver declares around the headers it includes.
    test::WriteText(dir_ + "/driver.c",
                    "#include \"chip.h\"\n"
                    "#include \"k7r58c22.h\"\n"
                    "\n"
                    "enum { gpe1Bpp = 1, gpe2Bpp = 2, gpe4Bpp = 4, gpe8Bpp = 8, gpe16Bpp = 16 };\n"
                    "#define mfLCD 0x000001\n"
                    "#define mfSWCURSOR 0x020000\n"
                    "#define mfHWBLT 0x040000\n"
                    "#define mfSWEMUL 0x100000\n"
                    "#define mfR90 0x01000000\n"
                    "#define mfR180 0x02000000\n"
                    "#define mfR270 0x04000000\n"
                    "typedef struct {\n"
                    "    unsigned long ModeId, Width, Height, Bpp, Frequency, Format;\n"
                    "    unsigned long Version, StridePixels, StrideBytes, PaletteSize;\n"
                    "    unsigned long MemoryAddress, MemorySize, RegisterAddress, RegisterSize;\n"
                    "    unsigned long BltOffset, BltSize, Flags, ClkI, ClkI2;\n"
                    "    unsigned long PowerOffTime, PowerOnTime;\n"
                    "} ModeInfo;\n"
                    "typedef struct {\n"
                    "    ModeInfo Info;\n"
                    "    unsigned long Registers[2 * 67];\n"
                    "} Mode;\n"
                    "static const Mode Modes[] = {\n"
                    "#include \"mode0.h\"\n"
                    "};\n"
                    "\n"
                    "K7R_INSTANTIATE_REGISTERS(static const, Registers);\n"
                    "\n"
                    "unsigned long Driver(void* registers) {\n"
                    "    K7R_VALUE r, g, b;\n"
                    "    K7R_WRITE_PALETTE(registers, 1, 2, 3, 4);\n"
                    "    K7R_READ_PALETTE(registers, 1, r, g, b);\n"
                    "    return r + g + b + Registers[0].Value + Modes[0].Info.Width + "
                    "(unsigned long)LookupTableWrite + K7R_DISPLAY_WIDTH;\n"
                    "}\n");
    for (const char* compiler : {"gcc", "i686-w64-mingw32-gcc", "x86_64-w64-mingw32-gcc"}) {
        const CommandResult build =
            RunCommand(Compile(compiler, "driver.c", std::string(compiler) + ".o") + " -c");
        EXPECT_EQ(build.status, 0) << compiler << "\n" << build.output;
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, Toolchain, testing::Values("template", "rotated"));

std::string Chromium(const std::string& arguments) {
    return "chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
           "--disable-background-networking --disable-component-update --disable-sync "
           "--user-data-dir=$(mktemp -d) " +
           arguments;
}

TEST(Browser, RendersEveryDescribedRegisterWithSixteenColumnRows) {
    const std::string page = test::ScratchDirectory() + "/k7r58c22.html";
    test::WriteText(page, ExportHtml(17));
    const CommandResult dom = RunCommand(Chromium("--dump-dom file://" + page +
                                                  " 2>/dev/null | python3 " K7R_SOURCE_DIR
                                                  "/tests/export/check_html.py"));
    ASSERT_EQ(dom.status, 0) << dom.output;
    EXPECT_EQ(dom.output, Printf("%zu\n", test::DescribedRegisterCount()));
}

} // namespace
} // namespace k7r::exporter
