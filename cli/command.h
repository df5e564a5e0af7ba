#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <string_view>

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

// The options several commands share.
inline constexpr Option kJsonOption = {"--json", "", "", "print one JSON document instead of text"};

} // namespace k7r::cli
