#pragma once

#include "containers/config_file.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace k7r::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// A usage error: UsageError and the dispatcher print the command's usage
// line with it.
inline constexpr int kExitUsage = 2;
// diff's status for a file it cannot read, as cmp and diff end: 1 says the
// files differ there.
inline constexpr int kExitTrouble = 2;

#ifdef _WIN32
inline constexpr std::string_view kProgramName = "58C22CMD";
#else
inline constexpr std::string_view kProgramName = "58c22cfg";
#endif

// One option of a command. Every command also takes --help (-h).
struct Option {
    std::string_view name;      // "--output"
    std::string_view shortName; // "-o", or empty
    std::string_view value;     // what follows it ("OUT"); empty for a switch
    std::string_view help;
    // The command cannot run without it.
    bool required = false;
};

inline constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

struct Invocation;

struct Command {
    std::string_view name;
    // The operands as the usage line shows them: "FILE SETTING=VALUE...".
    std::string_view operands;
    std::size_t minOperands;
    std::size_t maxOperands; // kAnyNumber for no limit
    std::span<const Option> options;
    std::string_view summary;
    // What the operands and the output are, for the command's help; may be
    // empty. Lines end with "\n".
    std::string_view details;
    // The words after the program's name in an example run.
    std::string_view example;
    int (*run)(const Invocation& invocation);
};

// A command's words, sorted: its operands in order and its options by name.
struct Invocation {
    const Command& command;
    std::vector<std::string> operands;
    // Each option given, by its long name, with its value (empty for a switch).
    std::vector<std::pair<std::string_view, std::string>> options;

    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
};

// The options several commands share.
inline constexpr Option kJsonOption = {"--json", "", "", "print one JSON document instead of text"};

// All subcommands, in the order the usage text lists them.
std::span<const Command* const> Commands();

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
const MessageSink& PrintToStderr();

} // namespace k7r::cli
