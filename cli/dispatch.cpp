#include "cli/dispatch.h"

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/command_table.h"
#include "cli/help_text.h"
#include "cli/suggestions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

constexpr std::string_view kHelpCommand = "help";

const Command* FindCommand(std::string_view name) {
    for (const Command* command : Commands()) {
        if (command->name == name) {
            return command;
        }
    }
    return nullptr;
}

void Print(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
}

// One line with the closest command names, then the list of commands.
int UnknownCommand(std::string_view word) {
    std::vector<std::string_view> names;
    for (const Command* command : Commands()) {
        names.push_back(command->name);
    }
    std::vector<std::string> suggested;
    for (const std::size_t position : ClosestCandidates(word, names)) {
        if (suggested.size() < kMostSuggestions) {
            suggested.push_back('"' + std::string(names[position]) + '"');
        }
    }
    std::fprintf(stderr, "%.*s: unknown command \"%.*s\"%s\n",
                 static_cast<int>(kProgramName.size()), kProgramName.data(),
                 static_cast<int>(word.size()), word.data(), DidYouMean(suggested).c_str());
    Print(stderr, ProgramHelp());
    return kExitUsage;
}

// "help" alone lists the commands; "help COMMAND" explains one.
int RunHelp(std::span<const std::string_view> words) {
    if (words.empty()) {
        Print(stdout, ProgramHelp());
        return kExitSuccess;
    }
    const Command* command = FindCommand(words[0]);
    if (command == nullptr) {
        return UnknownCommand(words[0]);
    }
    if (words.size() > 1) {
        std::fprintf(stderr, "%.*s help: it takes one command name\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data());
        return kExitUsage;
    }
    Print(stdout, CommandHelp(*command));
    return kExitSuccess;
}

void PrintCommandError(const Command& command, std::string_view what) {
    std::fprintf(stderr, "%.*s %.*s: %.*s\n", static_cast<int>(kProgramName.size()),
                 kProgramName.data(), static_cast<int>(command.name.size()), command.name.data(),
                 static_cast<int>(what.size()), what.data());
}

} // namespace

int RunCommandLine(std::span<const std::string_view> words) {
    if (words.empty()) {
        Print(stderr, ProgramHelp());
        return kExitUsage;
    }
    const std::string_view first = words[0];
    if (first == kHelpCommand || first == "--help" || first == "-h" || first == "/?") {
        return RunHelp(words.subspan(1));
    }
    if (first == "--version") {
        Print(stdout, VersionText());
        return kExitSuccess;
    }
    const Command* command = FindCommand(first);
    if (command == nullptr) {
        return UnknownCommand(first);
    }
    const std::span<const std::string_view> rest = words.subspan(1);
    if (AsksForHelp(rest)) {
        Print(stdout, CommandHelp(*command));
        return kExitSuccess;
    }
    std::variant<Invocation, UsageProblem> read = ReadArguments(*command, rest);
    if (const UsageProblem* problem = std::get_if<UsageProblem>(&read)) {
        PrintCommandError(*command, problem->what);
        Print(stderr, UsageLine(*command));
        return kExitUsage;
    }
    return command->run(std::get<Invocation>(read));
}

int UsageError(const Invocation& invocation, std::string_view what) {
    PrintCommandError(invocation.command, what);
    Print(stderr, UsageLine(invocation.command));
    return kExitUsage;
}

int EndWithOutputChecked(int status) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) {
        return status;
    }
    // errno tells why when the last write is the one that failed.
    const int reason = errno;
    std::fprintf(stderr, "%.*s: cannot write to standard output%s%s\n",
                 static_cast<int>(kProgramName.size()), kProgramName.data(), reason ? ": " : "",
                 reason ? std::strerror(reason) : "");
    return kExitFailure;
}

const containers::MessageSink& PrintToStderr() {
    static const containers::MessageSink sink = [](const std::string& text) {
        std::fprintf(stderr, "%s\n", text.c_str());
    };
    return sink;
}

} // namespace k7r::cli
