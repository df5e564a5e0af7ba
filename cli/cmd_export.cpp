// export KIND FILE [-o PATH] [--mode N] [--cursor] [--no-software-accel]
// [--no-hardware-accel]: one of the Export dialog's generated files for the
// configuration found in FILE, under the kind's default name in the current
// directory, under PATH, or on standard output ("-", with LF line ends).
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "config/default_records.h"
#include "containers/config_file.h"
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
    const exporter::ExportKind* kind = nullptr;
    std::string file;
    std::optional<std::string> output;
    exporter::ExportOptions options;
};

constexpr Option kOutput = {"--output", "-o", "PATH",
                            "write PATH instead of the kind's file; \"-\" for standard output"};
constexpr Option kMode = {"--mode", "", "N", "mode number, 0 to 1000 (mode kind)"};
constexpr Option kCursor = {"--cursor", "", "", "software cursor (mode and generic kinds)"};
constexpr Option kNoSoftwareAccel = {"--no-software-accel", "", "",
                                     "no software acceleration (mode and generic kinds)"};
constexpr Option kNoHardwareAccel = {"--no-hardware-accel", "", "",
                                     "no hardware acceleration (mode and generic kinds)"};

std::optional<unsigned> ParseModeNumber(std::string_view text) {
    unsigned number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() ||
        number > exporter::kMaxModeNumber) {
        return std::nullopt;
    }
    return number;
}

// Returns 0 when the words make a request, else the exit status.
int ReadRequest(const Invocation& invocation, ExportRequest& request) {
    if (const std::optional<std::string> mode = invocation.Value(kMode.name)) {
        const std::optional<unsigned> number = ParseModeNumber(*mode);
        if (!number) {
            return UsageError(invocation, "mode number \"" + *mode + "\" is not one of 0 to 1000");
        }
        request.options.ModeNumber = *number;
    }
    if (invocation.Has(kCursor.name)) {
        request.options.ModeFlags |= exporter::mfSWCURSOR;
    }
    if (invocation.Has(kNoSoftwareAccel.name)) {
        request.options.ModeFlags &= ~exporter::mfSWEMUL;
    }
    if (invocation.Has(kNoHardwareAccel.name)) {
        request.options.ModeFlags &= ~exporter::mfHWBLT;
    }
    request.output = invocation.Value(kOutput.name);
    const std::string& kindName = invocation.operands[0];
    request.kind = exporter::FindExportKind(kindName);
    if (request.kind == nullptr) {
        return UsageError(invocation, "unknown kind \"" + kindName +
                                          "\" (appcfg, chip, mode, generic, csv or html)");
    }
    // The options a kind does not read are refused rather than ignored.
    const std::string kind(request.kind->commandName);
    if (invocation.Has(kMode.name) && !request.kind->readsModeNumber) {
        return UsageError(invocation, "--mode applies to the mode kind only, not " + kind);
    }
    const bool modeFlagsGiven = invocation.Has(kCursor.name) ||
                                invocation.Has(kNoSoftwareAccel.name) ||
                                invocation.Has(kNoHardwareAccel.name);
    if (modeFlagsGiven && !request.kind->readsModeFlags) {
        return UsageError(invocation, "the cursor and acceleration options apply to the mode and "
                                      "generic kinds only, not " +
                                          kind);
    }
    request.file = invocation.operands[1];
    return kExitSuccess;
}

int RunExport(const Invocation& invocation) {
    ExportRequest request;
    if (const int status = ReadRequest(invocation, request); status != kExitSuccess) {
        return status;
    }
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(request.file, config, PrintToStderr())) {
        return kExitFailure;
    }
    const exporter::ExportKind& kind = *request.kind;
    if (request.output == "-") {
        const std::string text = kind.generate(config, request.options);
        platform::UseBinaryStandardOutput();
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? kExitSuccess
                                                                               : kExitFailure;
    }
    const std::string path =
        request.output.value_or(exporter::DefaultFileName(kind, request.options));
    std::string message;
    if (!exporter::RunExport(kind, config, request.options, path, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return kExitFailure;
    }
    std::printf("Exported %s to \"%s\".\n",
                exporter::DefaultFileName(kind, request.options).c_str(), path.c_str());
    return kExitSuccess;
}

constexpr Option kOptions[] = {kOutput, kMode, kCursor, kNoSoftwareAccel, kNoHardwareAccel};

} // namespace

constinit const Command kExportCommand = {
    .name = "export",
    .operands = "KIND FILE",
    .minOperands = 2,
    .maxOperands = 2,
    .options = kOptions,
    .summary = "write FILE's configuration as appcfg, chip, mode, generic, csv or html",
    .details = "Writes one of the Export dialog's files: appcfg (appcfg.h), chip\n"
               "(chip.h), mode (modeN.h), generic (k7r58c22.h), csv (k7r58c22.csv) or\n"
               "html (k7r58c22.html), under its name in the current directory or\n"
               "under PATH, with CR LF line ends; on standard output with LF.\n",
    .example = "export appcfg firmware.elf -o include/appcfg.h",
    .run = RunExport,
};

} // namespace k7r::cli
