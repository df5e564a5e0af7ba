// The generated files in the hands of the tools they are meant for: C
// compilers, Python's csv module and a web browser. Host tools only, so this
// program runs natively.
#include "config/record.h"
#include "export/export_options.h"
#include "export/generators.h"
#include "export/text_format.h"
#include "export_test_support.h"
#include "regs/register_table.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace k7r {
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
    WorkingConfig config_ =
        std::string(GetParam()) == "rotated" ? test::RotatedConfig() : test::TemplateConfig();
    const std::string dir_ = test::ScratchDirectory();
};

// The record appcfg.h makes, compiled with the kit's public header by each
// compiler into an object file whose data section holds the record alone.
TEST_P(Toolchain, AppCfgBuildsAConfiguredRecordHoldingTheWorkingBytes) {
    std::strcpy(config_.Record.Description, "Rev \"B\"\nC:\\boards\\k7r ?\?/");
    test::WriteText(dir_ + "/appcfg.h", ExportAppCfg(config_, 17));
    test::WriteText(dir_ + "/record.c", "#include <k7r58c22/hal_struct.h>\n"
                                        "#include \"appcfg.h\"\n");
    const struct {
        std::string compiler;
        std::string objcopy;
    } kToolchains[] = {{"gcc", "objcopy"},
                       {"i686-w64-mingw32-gcc", "i686-w64-mingw32-objcopy"},
                       {"x86_64-w64-mingw32-gcc", "x86_64-w64-mingw32-objcopy"}};
    for (const auto& tools : kToolchains) {
        const std::string object = tools.compiler + ".o";
        const CommandResult build = RunCommand(Compile(tools.compiler, "record.c", object) +
                                               " -c -I" K7R_SOURCE_DIR "/include");
        ASSERT_EQ(build.status, 0) << tools.compiler << "\n" << build.output;
        const std::string data = dir_ + "/" + tools.compiler + ".data";
        const CommandResult copied = RunCommand(tools.objcopy + " -O binary --only-section=.data " +
                                                dir_ + "/" + object + " " + data);
        ASSERT_EQ(copied.status, 0) << copied.output;

        // The section may be padded behind the record.
        const std::string bytes = test::ReadText(data);
        ASSERT_GE(bytes.size(), sizeof(HAL_STRUCT)) << tools.compiler;
        HAL_STRUCT built;
        std::memcpy(&built, bytes.data(), sizeof built);
        EXPECT_EQ(CheckRecord(built), RecordState::Configured) << tools.compiler;
        built.Crc = config_.Record.Crc;
        EXPECT_EQ(std::memcmp(&built, &config_.Record, sizeof built), 0) << tools.compiler;
    }
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

TEST_P(Toolchain, CsvReadsBackAsTheRegisterTable) {
    const std::string csv = dir_ + "/k7r58c22.csv";
    test::WriteText(csv, ExportCsv(config_, 17));
    const CommandResult read =
        RunCommand("python3 " K7R_SOURCE_DIR "/tests/export/read_csv.py " + csv);
    ASSERT_EQ(read.status, 0) << read.output;

    std::string expected;
    for (int i = 0; i < config_.EntryCount; ++i) {
        const RegEntry& entry = config_.Record.Regs[i];
        expected +=
            Printf("%s %08Xh %s\n",
                   entry.Index == riDELAYON ? "Delay" : Printf("%04Xh", entry.Index).c_str(),
                   entry.Value, std::string(GetRegisterName(entry.Index)).c_str());
    }
    EXPECT_EQ(read.output, expected);
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
} // namespace k7r
