// configure --from SOURCE [--preserve-addresses] FILE...: the record of
// SOURCE written into every FILE, as Configure Multiple does, with its
// summary on standard output.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "config/default_records.h"
#include "containers/configure_multiple.h"
#include "platform/standard_output.h"

#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {
namespace {

// Below this many files the run is over before a counter would help.
constexpr std::size_t kManyFiles = 10;

// A counter on one terminal line, rewritten for each file and wiped before
// a message and at the end, so that only messages stay on the screen.
class ProgressLine {
  public:
    void Show(std::size_t index, std::size_t count) {
        Clear();
        width_ = std::fprintf(stderr, "Configuring file %zu of %zu...", index + 1, count);
        std::fflush(stderr);
    }

    void Clear() {
        if (width_ > 0) {
            std::fprintf(stderr, "\r%*s\r", width_, "");
            width_ = 0;
        }
    }

  private:
    int width_ = 0;
};

constexpr Option kFrom = {"--from", "", "SOURCE", "the file whose record is written", true};
constexpr Option kPreserveAddresses = {"--preserve-addresses", "", "",
                                       "keep each FILE's physical register and memory addresses"};

int RunConfigure(const Invocation& invocation) {
    const std::string source = invocation.Value(kFrom.name).value_or("");
    const std::vector<std::string>& files = invocation.operands;
    const bool preserveAddresses = invocation.Has(kPreserveAddresses.name);
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(source, config, PrintToStderr())) {
        return kExitFailure;
    }

    ProgressLine progressLine;
    const bool showProgress = files.size() >= kManyFiles && platform::StandardErrorIsTerminal();
    const containers::MessageSink show = [&](const std::string& text) {
        progressLine.Clear();
        PrintToStderr()(text);
    };
    containers::ConfigureProgress progress;
    if (showProgress) {
        progress = [&](std::size_t index, std::size_t count) { progressLine.Show(index, count); };
    }
    const containers::ConfigureSummary summary = containers::ConfigureFiles(
        files, config.Record, preserveAddresses, show, progress, containers::kAllFailuresShown);
    progressLine.Clear();
    std::fputs(summary.text.c_str(), stdout);
    return summary.failures == 0 ? kExitSuccess : kExitFailure;
}

constexpr Option kOptions[] = {kFrom, kPreserveAddresses};

} // namespace

constinit const Command kConfigureCommand = {
    .name = "configure",
    .operands = "FILE...",
    .minOperands = 1,
    .maxOperands = kAnyNumber,
    .options = kOptions,
    .summary = "write the record of SOURCE into every FILE and summarise",
    .details = "Works as Configure Multiple does: prints each failure's message, then\n"
               "one \"OK\" or \"Error\" line with the path per file; exit status 1 when\n"
               "any file failed. With ten files or more and standard error on a\n"
               "terminal, a counter there shows which file is being saved.\n",
    .example = "configure --from configured.elf boards/*.elf",
    .run = RunConfigure,
};

} // namespace k7r::cli
