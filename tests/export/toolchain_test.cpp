// The generated files in the hands of the tools they are meant for: C
// compilers, Python's csv module and a web browser. Host tools only, so this
// program runs natively.
#include "config/record.h"
#include "export/export_options.h"
#include "export/generators.h"
#include "export/text_format.h"
#include "export_test_support.h"
#include "regs/register_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace k7r {
namespace {

namespace fs = std::filesystem;

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

void WriteFile(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The generated headers keep the "//" comments of their kind, which C89
// does not have: C99 is the strictest standard they can meet.
const std::string kStrictC = "-std=c99 -pedantic -Wall -Wextra -Werror";

class Toolchain : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        dir_ = fs::path(K7R_BINARY_DIR) / "tests" / "export" / "toolchain" / GetParam() /
               testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }

    WorkingConfig Config() const {
        return std::string(GetParam()) == "rotated" ? test::RotatedConfig()
                                                    : test::TemplateConfig();
    }

    std::string Compile(const std::string& compiler, const std::string& source,
                        const std::string& output) const {
        return compiler + " " + kStrictC + " -I" + K7R_SOURCE_DIR + " -I" + dir_.string() + " " +
               (dir_ / source).string() + " -o " + (dir_ / output).string();
    }

    fs::path dir_;
};

// What the mini-HAL's own register header gives appcfg.h: the identifiers
// of the register table as numbers.
std::string RegisterDefinitions() {
    std::string text;
    for (const REG_DESC& reg : kRegisterTable) {
        text += Printf("#define %s 0x%04X\n", std::string(reg.Identifier).c_str(), reg.Offset);
    }
    return text;
}

TEST_P(Toolchain, AppCfgBuildsAConfiguredRecordHoldingTheWorkingBytes) {
    WorkingConfig config = Config();
    std::strcpy(config.Record.Description, "Rev \"B\"\nC:\\boards\\k7r ?\?/");
    WriteFile(dir_ / "appcfg.h", ExportAppCfg(config, 17));
    WriteFile(dir_ / "hal_regs.h", RegisterDefinitions());
    WriteFile(dir_ / "dump.c", "#include <stdio.h>\n"
                               "#include \"config/hal_struct.h\"\n"
                               "#include \"hal_regs.h\"\n"
                               "#include \"appcfg.h\"\n"
                               "int main(int argc, char** argv) {\n"
                               "    FILE* out = fopen(argv[argc - 1], \"wb\");\n"
                               "    fwrite(&HalInfo, sizeof HalInfo, 1, out);\n"
                               "    return fclose(out) != 0;\n"
                               "}\n");
    const CommandResult build = RunCommand(Compile("gcc", "dump.c", "dump"));
    ASSERT_EQ(build.status, 0) << build.output;
    const fs::path dumped = dir_ / "record.bin";
    ASSERT_EQ(RunCommand((dir_ / "dump").string() + " " + dumped.string()).status, 0);

    const std::string bytes = ReadFile(dumped);
    ASSERT_EQ(bytes.size(), sizeof(HAL_STRUCT));
    HAL_STRUCT built;
    std::memcpy(&built, bytes.data(), sizeof built);
    EXPECT_EQ(CheckRecord(built), RecordState::Configured);
    built.Crc = config.Record.Crc;
    EXPECT_EQ(std::memcmp(&built, &config.Record, sizeof built), 0);
}

TEST_P(Toolchain, DriverHeadersCompileForLinuxAndWindows) {
    WorkingConfig config = Config();
    const std::uint32_t flags = ExportOptions{}.ModeFlags | mfSWCURSOR;
    WriteFile(dir_ / "chip.h", ExportChipHeader(config, 17));
    WriteFile(dir_ / "mode0.h", ExportModeHeader(config, 0, flags, 17));
    WriteFile(dir_ / "k7r58c22.h", ExportGenericHeader(config, 17, flags));
    // What a display driver declares around the headers it includes.
    WriteFile(dir_ / "driver.c",
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
    for (const char* compiler : {"gcc", "i686-w64-mingw32-gcc"}) {
        const CommandResult build =
            RunCommand(Compile(compiler, "driver.c", std::string(compiler) + ".o") + " -c");
        EXPECT_EQ(build.status, 0) << compiler << "\n" << build.output;
    }
}

TEST_P(Toolchain, CsvReadsBackAsTheRegisterTable) {
    WorkingConfig config = Config();
    const fs::path csv = dir_ / "k7r58c22.csv";
    WriteFile(csv, ExportCsv(config, 17));
    const CommandResult read = RunCommand("python3 " + std::string(K7R_SOURCE_DIR) +
                                          "/tests/export/read_csv.py " + csv.string());
    ASSERT_EQ(read.status, 0) << read.output;

    std::string expected;
    for (int i = 0; i < config.EntryCount; ++i) {
        const RegEntry& entry = config.Record.Regs[i];
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
    const fs::path dir = fs::path(K7R_BINARY_DIR) / "tests" / "export" / "browser";
    fs::create_directories(dir);
    const fs::path page = dir / "k7r58c22.html";
    WriteFile(page, ExportHtml(17));
    const std::string url = "file://" + page.string();

    const CommandResult dom = RunCommand(Chromium("--dump-dom " + url + " 2>/dev/null | python3 " +
                                                  K7R_SOURCE_DIR + "/tests/export/check_html.py"));
    ASSERT_EQ(dom.status, 0) << dom.output;
    EXPECT_EQ(dom.output, Printf("%zu\n", test::DescribedRegisterCount()));

    // Kept for a look at the page as a reader sees it.
    const fs::path shot = dir / "top-of-page.png";
    fs::remove(shot);
    RunCommand(Chromium("--window-size=800,1000 --screenshot=" + shot.string() + " " + url));
    ASSERT_TRUE(fs::exists(shot));
    EXPECT_EQ(ReadFile(shot).substr(1, 3), "PNG");
}

} // namespace
} // namespace k7r
