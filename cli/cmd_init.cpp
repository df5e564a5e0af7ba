// init FILE [--no-clocks] [--no-registers] [--no-lut] [--no-clear] [--reset]
// [--pattern]: brings the evaluation board's chip (or the board emulator's)
// up from FILE's configuration as the utility's Direct tab does, with its
// initialization options, and draws the Direct tab's test pattern when
// asked.
#include "cli/command.h"
#include "config/default_records.h"
#include "edit/chip_session.h"
#include "edit/edit_session.h"
#include "edit/test_pattern.h"
#include "emu/driver_choice.h"
#include "hal/hal.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

namespace k7r::cli {
namespace {

// Each option sets one initialization step from the Direct tab's defaults.
struct StepOption {
    std::string_view word;
    bool edit::InitSteps::*step;
    bool value;
};
constexpr StepOption kStepOptions[] = {
    {"--no-clocks", &edit::InitSteps::programClockChip, false},
    {"--no-registers", &edit::InitSteps::initializeRegisters, false},
    {"--no-lut", &edit::InitSteps::initializeLookupTable, false},
    {"--no-clear", &edit::InitSteps::clearVideoMemory, false},
    {"--reset", &edit::InitSteps::softwareReset, true},
};
constexpr std::string_view kPatternOption = "--pattern";

// The chip access layer's record, which initialization fills from the file.
HAL_STRUCT chipRecord{};

} // namespace

int RunInit(Arguments arguments) {
    if (arguments.empty()) {
        return kExitUsage;
    }
    edit::InitSteps steps;
    bool pattern = false;
    for (const std::string_view word : arguments.subspan(1)) {
        const auto option = std::ranges::find(kStepOptions, word, &StepOption::word);
        if (option != std::end(kStepOptions)) {
            steps.*option->step = option->value;
        } else if (word == kPatternOption) {
            pattern = true;
        } else {
            return kExitUsage;
        }
    }
    WorkingConfig config(TemplateRecord);
    if (!edit::OpenConfiguration(config, std::string(arguments[0]), PrintToStderr())) {
        return kExitFailure;
    }
    emu::OfferEmulatedBoard();
    hal::UseRecord(chipRecord);
    std::string message;
    if (!edit::InitializeFromWorkingConfig(config, steps, &message)) {
        message.pop_back(); // the newline, before the code
        std::fprintf(stderr, "%s (%u)\n", message.c_str(), hal::LastError());
        hal::ReleaseChip();
        return kExitFailure;
    }
    std::fputs(message.c_str(), stdout);
    edit::DrawTestPattern(config, pattern);
    hal::ReleaseChip();
    return kExitSuccess;
}

} // namespace k7r::cli
