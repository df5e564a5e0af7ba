#pragma once

#include "cli/arguments.h"
#include "cli/command.h"
#include "containers/config_file.h"

#include <span>
#include <string_view>

// How a command line reaches its command, and how a run ends.
namespace k7r::cli {

// Runs the command that the first word names; returns the exit status.
int RunCommandLine(std::span<const std::string_view> words);

// Says on standard error what was wrong with the command's words, as
// "58c22cfg COMMAND: what", then the command's usage line; returns
// kExitUsage.
int UsageError(const Invocation& invocation, std::string_view what);

// The status a run ends with: kExitFailure, said on standard error, when
// standard output did not take everything written to it (a full disk or
// device), whatever the command made of it; else status.
int EndWithOutputChecked(int status);

// Prints the container core's failure messages to standard error.
const containers::MessageSink& PrintToStderr();

} // namespace k7r::cli
