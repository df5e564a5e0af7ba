#pragma once

#include "cli/command.h"

#include <span>

namespace k7r::cli {

// All subcommands, in the order the usage text lists them.
std::span<const Command* const> Commands();

} // namespace k7r::cli
