#include "cli/command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: %.*s COMMAND ARGUMENTS...\n\ncommands:\n",
                 static_cast<int>(kProgramName.size()), kProgramName.data());
    for (const Command& command : Commands()) {
        std::fprintf(out, "  %-45.*s %.*s\n", static_cast<int>(command.synopsis.size()),
                     command.synopsis.data(), static_cast<int>(command.summary.size()),
                     command.summary.data());
    }
}

const Command* FindCommand(std::string_view name) {
    for (const Command& command : Commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

} // namespace

int RunCommandLine(std::span<const std::string_view> words) {
    if (words.empty()) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    if (words[0] == "help" || words[0] == "--help" || words[0] == "-h" || words[0] == "/?") {
        PrintUsage(stdout);
        return kExitSuccess;
    }
    const Command* command = FindCommand(words[0]);
    if (command == nullptr) {
        std::fprintf(stderr, "%.*s: unknown command \"%.*s\"\n",
                     static_cast<int>(kProgramName.size()), kProgramName.data(),
                     static_cast<int>(words[0].size()), words[0].data());
        PrintUsage(stderr);
        return kExitUsage;
    }
    const int status = command->run(words.subspan(1));
    if (status == kExitUsage) {
        std::fprintf(stderr, "usage: %.*s %.*s\n", static_cast<int>(kProgramName.size()),
                     kProgramName.data(), static_cast<int>(command->synopsis.size()),
                     command->synopsis.data());
    }
    return status;
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

const MessageSink& PrintToStderr() {
    static const MessageSink sink = [](const std::string& text) {
        std::fprintf(stderr, "%s\n", text.c_str());
    };
    return sink;
}

} // namespace k7r::cli
