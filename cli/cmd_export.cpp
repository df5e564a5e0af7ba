// export KIND FILE [-o PATH] [--mode N] [--cursor] [--no-software-accel]
// [--no-hardware-accel]: one of the Export dialog's generated files for the
// configuration found in FILE, under the kind's default name in the current
// directory, under PATH, or on standard output ("-", with LF line ends).
#include "cli/command.h"
#include "config/default_records.h"
#include "export/export_kinds.h"
#include "export/output_file.h"
#include "platform/standard_output.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

namespace k7r::cli {
namespace {

struct ExportRequest {
    const ExportKind* kind = nullptr;
    std::string file;
    std::optional<std::string> output;
    ExportOptions options;
    // The options a kind does not read are refused rather than ignored.
    bool modeNumberGiven = false;
    bool modeFlagsGiven = false;
};

int UsageError(const char* format, std::string_view word) {
    std::fprintf(stderr, "%.*s export: ", static_cast<int>(kProgramName.size()),
                 kProgramName.data());
    std::fprintf(stderr, format, static_cast<int>(word.size()), word.data());
    std::fputc('\n', stderr);
    return kExitUsage;
}

std::optional<unsigned> ParseModeNumber(std::string_view text) {
    unsigned number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number > kMaxModeNumber) {
        return std::nullopt;
    }
    return number;
}

// Returns 0 when the words make a request, else the exit status.
int ParseRequest(Arguments arguments, ExportRequest& request) {
    std::vector<std::string_view> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if ((word == "-o" || word == "--mode") && !hasValue) {
            return UsageError("%.*s needs a value", word);
        }
        if (word == "-o") {
            request.output = std::string(arguments[++i]);
        } else if (word == "--mode") {
            const std::optional<unsigned> number = ParseModeNumber(arguments[++i]);
            if (!number) {
                return UsageError("mode number \"%.*s\" is not one of 0 to 1000", arguments[i]);
            }
            request.options.ModeNumber = *number;
            request.modeNumberGiven = true;
        } else if (word == "--cursor") {
            request.options.ModeFlags |= mfSWCURSOR;
            request.modeFlagsGiven = true;
        } else if (word == "--no-software-accel") {
            request.options.ModeFlags &= ~mfSWEMUL;
            request.modeFlagsGiven = true;
        } else if (word == "--no-hardware-accel") {
            request.options.ModeFlags &= ~mfHWBLT;
            request.modeFlagsGiven = true;
        } else if (word.starts_with("-") && word != "-") {
            return UsageError("unknown option \"%.*s\"", word);
        } else {
            positional.push_back(word);
        }
    }
    if (positional.size() != 2) {
        return kExitUsage;
    }
    request.kind = FindExportKind(positional[0]);
    if (request.kind == nullptr) {
        return UsageError("unknown kind \"%.*s\" (appcfg, chip, mode, generic, csv or html)",
                          positional[0]);
    }
    const std::string_view kind = request.kind->commandName;
    if (request.modeNumberGiven && !request.kind->readsModeNumber) {
        return UsageError("--mode applies to the mode kind only, not %.*s", kind);
    }
    if (request.modeFlagsGiven && !request.kind->readsModeFlags) {
        return UsageError("the cursor and acceleration options apply to the mode and generic "
                          "kinds only, not %.*s",
                          kind);
    }
    request.file = std::string(positional[1]);
    return kExitSuccess;
}

} // namespace

int RunExport(Arguments arguments) {
    ExportRequest request;
    if (const int status = ParseRequest(arguments, request); status != kExitSuccess) {
        return status;
    }
    WorkingConfig config(TemplateRecord);
    if (!OpenConfigFile(request.file, config, PrintToStderr())) {
        return kExitFailure;
    }
    const ExportKind& kind = *request.kind;
    if (request.output == "-") {
        const std::string text = kind.generate(config, request.options);
        platform::UseBinaryStandardOutput();
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? kExitSuccess
                                                                               : kExitFailure;
    }
    const std::string path = request.output.value_or(DefaultFileName(kind, request.options));
    std::string message;
    if (!k7r::RunExport(kind, config, request.options, path, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return kExitFailure;
    }
    std::printf("Exported %s to \"%s\".\n", DefaultFileName(kind, request.options).c_str(),
                path.c_str());
    return kExitSuccess;
}

} // namespace k7r::cli
