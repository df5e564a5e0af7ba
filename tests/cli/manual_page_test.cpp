#include "cli/command.h"
#include "cli/command_table.h"
#include "cli/manual_page.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace k7r::cli {
namespace {

std::string RoffName(std::string_view option) {
    std::string escaped;
    for (const char c : option) {
        escaped += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return escaped;
}

// Every command and option has its place, and no text line starts what
// roff would read as a request.
TEST(ManualPage, DescribesEveryCommandAndOptionInPlainRoff) {
    const std::string page = ManualPage();
    for (const Command* command : Commands()) {
        EXPECT_NE(page.find(".SS \"" + std::string(command->name) + " "), std::string::npos)
            << command->name;
        for (const Option& option : command->options) {
            EXPECT_NE(page.find("\\fB" + RoffName(option.name) + "\\fR"), std::string::npos)
                << command->name << " " << option.name;
        }
    }
    const std::set<std::string> kRequests = {".TH", ".SH", ".SS", ".PP", ".TP", ".RS",
                                             ".RE", ".nf", ".fi", ".B",  ".I"};
    std::istringstream lines(page);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(".") || line.starts_with("'")) {
            EXPECT_TRUE(kRequests.contains(line.substr(0, line.find(' ')))) << line;
        }
    }
}

} // namespace
} // namespace k7r::cli
