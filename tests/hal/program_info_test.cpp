#include "hal/program_info.h"
#include "tests/hal/chip_fixture.h"

#include <cstring>
#include <string>

namespace k7r::hal {
namespace {

using test::ChipTest;

std::string Info() {
    return hal::ProgramInformation("VIEW", "A program to view JPEG, BMP, GIF files",
                                   "$Revision: 1 $");
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string LastLine(const std::string& text) {
    const std::string body = text.substr(0, text.size() - 1);
    return body.substr(body.rfind('\n') + 1);
}

TEST_F(ChipTest, ProgramInformationStatusAndDescription) {
    const std::string text = Info();
    EXPECT_EQ(FirstLine(text),
              "58C22VIEW - A program to view JPEG, BMP, GIF files - Build 1 [HAL: 2]");
    EXPECT_EQ(LastLine(text), "Configuration CRC E87Fh (OK)");
    EXPECT_EQ(text.back(), '\n');
    std::strcpy(record.Description, "Bench board");
    EXPECT_EQ(LastLine(Info()), "Bench board");
    EXPECT_NE(Info().find("Configuration CRC E87Fh (OK), Description:\nBench board\n"),
              std::string::npos);
    record.Description[0] = '\0';
    record.Crc = 0x1234;
    EXPECT_EQ(LastLine(Info()), "Configuration CRC 1234h (error)");
    record.Crc = 0;
    EXPECT_EQ(LastLine(Info()), "Configuration CRC 0000h (unconfigured)");
    // Into a buffer it is cut short and terminated.
    char buffer[11];
    std::memset(buffer, 'x', sizeof buffer);
    hal::ProgramInformation("VIEW", "d", "$Revision: 1 $", buffer, 10);
    EXPECT_STREQ(buffer, "58C22VIEW");
    EXPECT_EQ(buffer[10], 'x');
}

TEST(BuildNumber, IsTheNumberAfterTheFirstColon) {
    EXPECT_EQ(hal::BuildNumber("$Revision: 17 $"), 17u);
    EXPECT_EQ(hal::BuildNumber("no colon 5"), 0u);
    EXPECT_EQ(hal::BuildNumber(hal::kHalRevision), 2u);
}

} // namespace
} // namespace k7r::hal
