// configure --from SOURCE [--preserve-addresses] FILE...: the record of
// SOURCE written into every FILE, as Configure Multiple does, with its
// summary on standard output.
#include "cli/command.h"
#include "config/default_records.h"
#include "containers/configure_multiple.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace k7r::cli {
namespace {

// Below this many files the run is over before a counter would help.
constexpr std::size_t kManyFiles = 10;

bool StderrIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

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

} // namespace

int RunConfigure(Arguments arguments) {
    std::string source;
    std::vector<std::string> files;
    bool preserveAddresses = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view word = arguments[i];
        if (word == "--from" && i + 1 < arguments.size() && source.empty()) {
            source = arguments[++i];
        } else if (word == "--preserve-addresses") {
            preserveAddresses = true;
        } else if (word.starts_with("--")) {
            std::fprintf(stderr, "%.*s configure: unknown option \"%.*s\"\n",
                         static_cast<int>(kProgramName.size()), kProgramName.data(),
                         static_cast<int>(word.size()), word.data());
            return kExitUsage;
        } else {
            files.emplace_back(word);
        }
    }
    if (source.empty() || files.empty()) {
        return kExitUsage;
    }
    WorkingConfig config(TemplateRecord);
    if (!OpenConfigFile(source, config, PrintToStderr())) {
        return kExitFailure;
    }

    ProgressLine progressLine;
    const bool showProgress = files.size() >= kManyFiles && StderrIsTerminal();
    const MessageSink show = [&](const std::string& text) {
        progressLine.Clear();
        PrintToStderr()(text);
    };
    ConfigureProgress progress;
    if (showProgress) {
        progress = [&](std::size_t index, std::size_t count) { progressLine.Show(index, count); };
    }
    const ConfigureSummary summary =
        ConfigureFiles(files, config.Record, preserveAddresses, show, progress);
    progressLine.Clear();
    std::fputs(summary.text.c_str(), stdout);
    return summary.failures == 0 ? kExitSuccess : kExitFailure;
}

} // namespace k7r::cli
