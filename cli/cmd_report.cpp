// report FILE [-o PATH]: the configuration report of the file's record, one
// HTML page, under its name in the current directory, under PATH, or on
// standard output ("-").
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/panel_list.h"
#include "config/default_records.h"
#include "containers/config_file.h"
#include "export/output_file.h"
#include "export/report.h"
#include "platform/standard_output.h"

#include <cstdio>
#include <string>

namespace k7r::cli {
namespace {

constexpr const char* kDefaultName = "k7r58c22-report.html";

constexpr Option kOutput = {"--output", "-o", "PATH",
                            "write PATH instead of the report's file; \"-\" for standard output"};

int RunReport(const Invocation& invocation) {
    const std::string& file = invocation.operands[0];
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(file, config, PrintToStderr())) {
        return kExitFailure;
    }
    const std::string page = exporter::ConfigurationReport(config, ProgramPanels(), file);
    const std::string path = invocation.Value(kOutput.name).value_or(kDefaultName);
    if (path == "-") {
        platform::UseBinaryStandardOutput();
        return std::fwrite(page.data(), 1, page.size(), stdout) == page.size() ? kExitSuccess
                                                                               : kExitFailure;
    }
    std::string message;
    if (!exporter::WriteOutputFile(path, page, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return kExitFailure;
    }
    std::printf("Wrote the report of \"%s\" to \"%s\".\n", file.c_str(), path.c_str());
    return kExitSuccess;
}

constexpr Option kOptions[] = {kOutput};

} // namespace

constinit const Command kReportCommand = {
    .name = "report",
    .operands = "FILE",
    .minOperands = 1,
    .maxOperands = 1,
    .options = kOptions,
    .summary = "write FILE's configuration report, one HTML page",
    .details = "Writes one self-contained HTML page to attach to a review: the file\n"
               "and its record's description, mode and predefined panel, the\n"
               "diagnostics, the panel timing diagram and the clock tree, and every\n"
               "setting as \"get\" prints it, page by page, with the register table;\n"
               "under k7r58c22-report.html in the current directory or under PATH.\n",
    .example = "report firmware.elf -o review.html",
    .run = RunReport,
};

} // namespace k7r::cli
