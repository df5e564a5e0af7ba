#pragma once

#include "cli/command.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// How every command's words are read: options before, between or after the
// operands; "--" ends the options; a lone "-" is an operand.
namespace k7r::cli {

// A command's words, sorted: its operands in order and its options by name.
struct Invocation {
    const Command& command;
    std::vector<std::string> operands;
    // Each option given, by its long name, with its value (empty for a switch).
    std::vector<std::pair<std::string_view, std::string>> options;

    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
};

// "--help" or "-h" among the options (before any "--").
bool AsksForHelp(std::span<const std::string_view> words);

// What was wrong with the words, in one line ("unknown option \"--keep\"").
struct UsageProblem {
    std::string what;
};

// A long option takes its value as the next word or after "="
// ("--output=OUT"), a short one as the next word or joined ("-oOUT"). A
// value option may be given once; operands are counted against the
// command's bounds.
std::variant<Invocation, UsageProblem> ReadArguments(const Command& command,
                                                     std::span<const std::string_view> words);

} // namespace k7r::cli
