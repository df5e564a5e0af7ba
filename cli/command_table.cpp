#include "cli/commands.h"

namespace k7r::cli {
namespace {

constexpr const Command* kCommands[] = {
    &kShowCommand,  &kCopyCommand,   &kFieldsCommand,   &kGetCommand,       &kSetCommand,
    &kRegsCommand,  &kDiffCommand,   &kValidateCommand, &kConfigureCommand, &kPanelsCommand,
    &kPanelCommand, &kExportCommand, &kInitCommand,     &kPreviewCommand,
};

} // namespace

std::span<const Command* const> Commands() {
    return kCommands;
}

} // namespace k7r::cli
