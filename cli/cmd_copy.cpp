// copy SOURCE TARGET [--preserve-addresses]: the record of SOURCE written
// into the record of TARGET, as the utility saves a file in place.
#include "cli/command.h"
#include "config/default_records.h"

#include <cstdio>
#include <string>
#include <vector>

namespace k7r::cli {

int RunCopy(Arguments arguments) {
    std::vector<std::string> paths;
    bool preserveAddresses = false;
    for (std::string_view word : arguments) {
        if (word == "--preserve-addresses") {
            preserveAddresses = true;
        } else if (word.starts_with("--")) {
            std::fprintf(stderr, "%.*s copy: unknown option \"%.*s\"\n",
                         static_cast<int>(kProgramName.size()), kProgramName.data(),
                         static_cast<int>(word.size()), word.data());
            return kExitUsage;
        } else {
            paths.emplace_back(word);
        }
    }
    if (paths.size() != 2) {
        return kExitUsage;
    }
    WorkingConfig config(TemplateRecord);
    if (!OpenConfigFile(paths[0], config, PrintToStderr()) ||
        !SaveConfigFile(paths[1], "", config.Record, preserveAddresses, PrintToStderr())) {
        return kExitFailure;
    }
    std::printf("Configuration of \"%s\" written into \"%s\".\n", paths[0].c_str(),
                paths[1].c_str());
    return kExitSuccess;
}

} // namespace k7r::cli
