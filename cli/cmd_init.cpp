// init FILE [--no-clocks] [--no-registers] [--no-lut] [--no-clear] [--reset]
// [--pattern]: brings the evaluation board's chip (or the board emulator's)
// up from FILE's configuration as the utility's Direct tab does, with its
// initialization options, and draws the Direct tab's test pattern when
// asked.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "config/default_records.h"
#include "edit/chip_session.h"
#include "edit/edit_session.h"
#include "edit/test_pattern.h"
#include "emu/driver_choice.h"
#include "hal/access.h"
#include "hal/error_text.h"

#include <cstdio>
#include <string>

namespace k7r::cli {
namespace {

// Each option sets one initialization step from the Direct tab's defaults.
struct StepOption {
    Option option;
    bool edit::InitSteps::*step;
    bool value;
};
constexpr StepOption kStepOptions[] = {
    {{"--no-clocks", "", "", "do not program the clock chip"},
     &edit::InitSteps::programClockChip,
     false},
    {{"--no-registers", "", "", "do not write the register table"},
     &edit::InitSteps::initializeRegisters,
     false},
    {{"--no-lut", "", "", "do not load the lookup table"},
     &edit::InitSteps::initializeLookupTable,
     false},
    {{"--no-clear", "", "", "do not clear display memory"},
     &edit::InitSteps::clearVideoMemory,
     false},
    {{"--reset", "", "", "reset the chip by software first"},
     &edit::InitSteps::softwareReset,
     true},
};
constexpr Option kPattern = {"--pattern", "", "", "then draw the Direct tab's test pattern"};
constexpr Option kOptions[] = {kStepOptions[0].option, kStepOptions[1].option,
                               kStepOptions[2].option, kStepOptions[3].option,
                               kStepOptions[4].option, kPattern};

// The chip access layer's record, which initialization fills from the file.
HAL_STRUCT chipRecord{};

int RunInit(const Invocation& invocation) {
    edit::InitSteps steps;
    for (const StepOption& option : kStepOptions) {
        if (invocation.Has(option.option.name)) {
            steps.*option.step = option.value;
        }
    }
    config::WorkingConfig config(TemplateRecord);
    if (!edit::OpenConfiguration(config, invocation.operands[0], PrintToStderr())) {
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
    edit::DrawTestPattern(config, invocation.Has(kPattern.name));
    hal::ReleaseChip();
    return kExitSuccess;
}

} // namespace

constinit const Command kInitCommand = {
    .name = "init",
    .operands = "FILE",
    .minOperands = 1,
    .maxOperands = 1,
    .options = kOptions,
    .summary = "initialize the evaluation board's chip from FILE as the Direct tab does, and draw "
               "the test pattern",
    .details = "Programs the clock chip, the registers and the lookup table and clears display\n"
               "memory, each unless its --no- option is given; prints \"Initialized K7R58C22\n"
               "using HAL build 2.\". Without a board (or K7R58_EMULATOR), the chip access\n"
               "layer's error text and code on standard error, exit status 1.\n",
    .example = "init firmware.elf --pattern",
    .run = RunInit,
};

} // namespace k7r::cli
