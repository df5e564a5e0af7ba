#pragma once

#include "cli/command.h"

#include <string>

// The texts the program prints about itself, all made from the command table.
namespace k7r::cli {

// "usage: 58c22cfg show FILE [--json]": the command's operands and options.
std::string UsageLine(const Command& command);

// What the command does, as a sentence ending in ".\n".
std::string SummarySentence(const Command& command);

// The usage line, what the command does, its operands, every option and an
// example: what "COMMAND --help" and "help COMMAND" print.
std::string CommandHelp(const Command& command);

// The list of commands with what each does: what "help" prints.
std::string ProgramHelp();

// The program, the kit's version and build number, and the libraries it
// uses with their versions: what "--version" prints.
std::string VersionText();

// The option every command takes.
inline constexpr Option kHelpOption = {"--help", "-h", "", "print this help and exit"};

} // namespace k7r::cli
