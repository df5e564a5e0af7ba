#include "cli/arguments.h"

#include "cli/suggestions.h"

#include <algorithm>

namespace k7r::cli {
namespace {

constexpr std::string_view kEndOfOptions = "--";

bool IsOptionWord(std::string_view word) {
    return word.size() > 1 && word.front() == '-';
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    return quoted + '"';
}

std::string UnknownOption(const Command& command, std::string_view word) {
    std::vector<std::string_view> names;
    for (const Option& option : command.options) {
        names.push_back(option.name);
    }
    std::vector<std::string> suggested;
    for (const std::size_t position : ClosestCandidates(word, names)) {
        if (suggested.size() < kMostSuggestions) {
            suggested.push_back(std::string(names[position]));
        }
    }
    return "unknown option " + Quoted(word) + DidYouMean(suggested);
}

// The option a word names, with a value joined to it when there is one.
struct OptionWord {
    const Option* option = nullptr;
    std::optional<std::string_view> joinedValue;
};

OptionWord FindOption(const Command& command, std::string_view word) {
    for (const Option& option : command.options) {
        if (word.starts_with("--")) {
            const std::string_view name = word.substr(0, word.find('='));
            if (name == option.name) {
                return {&option, name.size() < word.size()
                                     ? std::optional(word.substr(name.size() + 1))
                                     : std::nullopt};
            }
        } else if (!option.shortName.empty() && word.starts_with(option.shortName)) {
            if (word.size() == option.shortName.size()) {
                return {&option, std::nullopt};
            }
            if (!option.value.empty()) {
                return {&option, word.substr(option.shortName.size())};
            }
        }
    }
    return {};
}

std::string OperandCount(const Command& command, std::size_t given) {
    if (given < command.minOperands) {
        return "too few operands: it takes " + std::string(command.operands);
    }
    return "too many operands: it takes " + std::string(command.operands);
}

} // namespace

bool Invocation::Has(std::string_view name) const {
    return std::ranges::any_of(options, [&](const auto& given) { return given.first == name; });
}

std::optional<std::string> Invocation::Value(std::string_view name) const {
    for (const auto& [given, value] : options) {
        if (given == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool AsksForHelp(std::span<const std::string_view> words) {
    for (const std::string_view word : words) {
        if (word == kEndOfOptions) {
            return false;
        }
        if (word == "--help" || word == "-h") {
            return true;
        }
    }
    return false;
}

std::variant<Invocation, UsageProblem> ReadArguments(const Command& command,
                                                     std::span<const std::string_view> words) {
    Invocation invocation{command, {}, {}};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (optionsEnded || !IsOptionWord(word)) {
            invocation.operands.emplace_back(word);
            continue;
        }
        if (word == kEndOfOptions) {
            optionsEnded = true;
            continue;
        }
        const auto [option, joinedValue] = FindOption(command, word);
        if (option == nullptr) {
            return UsageProblem{UnknownOption(command, word)};
        }
        std::string value;
        if (option->value.empty()) {
            if (joinedValue) {
                return UsageProblem{"option " + std::string(option->name) + " takes no value"};
            }
        } else if (joinedValue) {
            value = *joinedValue;
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            return UsageProblem{"option " + std::string(option->name) + " needs a value (" +
                                std::string(option->value) + ")"};
        }
        if (!option->value.empty() && invocation.Has(option->name)) {
            return UsageProblem{"option " + std::string(option->name) + " is given twice"};
        }
        invocation.options.emplace_back(option->name, std::move(value));
    }
    for (const Option& option : command.options) {
        if (option.required && !invocation.Has(option.name)) {
            return UsageProblem{"option " + std::string(option.name) + " " +
                                std::string(option.value) + " is missing"};
        }
    }
    const std::size_t count = invocation.operands.size();
    if (count < command.minOperands || count > command.maxOperands) {
        return UsageProblem{OperandCount(command, count)};
    }
    return invocation;
}

} // namespace k7r::cli
