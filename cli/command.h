#pragma once

#include "containers/config_file.h"

#include <span>
#include <string_view>

namespace k7r::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// A command returning it gets its synopsis printed by the dispatcher.
inline constexpr int kExitUsage = 2;

#ifdef _WIN32
inline constexpr std::string_view kProgramName = "58C22CMD";
#else
inline constexpr std::string_view kProgramName = "58c22cfg";
#endif

// The words after the command's name.
using Arguments = std::span<const std::string_view>;

struct Command {
    std::string_view name;
    // Arguments as the usage line shows them.
    std::string_view synopsis;
    std::string_view summary;
    int (*run)(Arguments arguments);
};

// All subcommands, in the order the usage text lists them.
std::span<const Command> Commands();

// Runs the command that the first word names; returns the exit status.
int RunCommandLine(std::span<const std::string_view> words);

// The status a run ends with: kExitFailure, said on standard error, when
// standard output did not take everything written to it (a full disk or
// device), whatever the command made of it; else status.
int EndWithOutputChecked(int status);

// Prints the container core's failure messages to standard error.
const MessageSink& PrintToStderr();

} // namespace k7r::cli
