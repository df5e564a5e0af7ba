// copy SOURCE TARGET [--preserve-addresses]: the record of SOURCE written
// into the record of TARGET, as the utility saves a file in place.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "config/default_records.h"
#include "config/working_config.h"
#include "containers/config_file.h"

#include <cstdio>
#include <string>

namespace k7r::cli {
namespace {

constexpr Option kPreserveAddresses = {"--preserve-addresses", "", "",
                                       "keep TARGET's physical register and memory addresses"};

int RunCopy(const Invocation& invocation) {
    const std::string& source = invocation.operands[0];
    const std::string& target = invocation.operands[1];
    config::WorkingConfig config(TemplateRecord);
    if (!containers::OpenConfigFile(source, config, PrintToStderr()) ||
        !containers::SaveConfigFile(target, "", config.Record,
                                    invocation.Has(kPreserveAddresses.name), PrintToStderr())) {
        return kExitFailure;
    }
    std::printf("Configuration of \"%s\" written into \"%s\".\n", source.c_str(), target.c_str());
    return kExitSuccess;
}

constexpr Option kOptions[] = {kPreserveAddresses};

} // namespace

constinit const Command kCopyCommand = {
    .name = "copy",
    .operands = "SOURCE TARGET",
    .minOperands = 2,
    .maxOperands = 2,
    .options = kOptions,
    .summary = "write the record of SOURCE into the record of TARGET",
    .details = "TARGET keeps its byte order and gets a fresh CRC.\n",
    .example = "copy configured.elf viewer.exe --preserve-addresses",
    .run = RunCopy,
};

} // namespace k7r::cli
