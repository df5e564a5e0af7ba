#pragma once

#include "cli/command.h"

// Each command lives in its file cmd_<name>.cpp; a new command is one line
// here and one row in command_table.cpp.
namespace k7r::cli {

extern const Command kShowCommand;
extern const Command kCopyCommand;
extern const Command kFieldsCommand;
extern const Command kGetCommand;
extern const Command kSetCommand;
extern const Command kRegsCommand;
extern const Command kDiffCommand;
extern const Command kValidateCommand;
extern const Command kConfigureCommand;
extern const Command kPanelsCommand;
extern const Command kPanelCommand;
extern const Command kExportCommand;
extern const Command kInitCommand;
extern const Command kPreviewCommand;

} // namespace k7r::cli
