#include "cli/command.h"
#include "cli/dispatch.h"
#include "platform/command_line.h"
#include "platform/standard_output.h"

#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const k7r::platform::ConsoleText console;
    const std::vector<std::string> arguments = k7r::platform::ProgramArguments(argc, argv);
    const std::vector<std::string_view> words(arguments.begin(), arguments.end());
    return k7r::cli::EndWithOutputChecked(k7r::cli::RunCommandLine(words));
}
