#pragma once

#include "cli/command.h"
#include "config/working_config.h"

#include <string>
#include <string_view>
#include <vector>

// A command that changes a file's configuration saves nothing when the
// change brings validation errors the file did not have, unless forced.
namespace k7r::cli {

inline constexpr Option kForceOption = {"--force", "", "",
                                        "save even when the changes bring new errors"};

// The validation errors of the configuration as it is, one a line.
std::vector<std::string> ValidationErrorLines(config::WorkingConfig& config);

// The lines of `after` that `before` did not have (each line counted as
// often as it occurs).
std::vector<std::string> NewErrors(std::vector<std::string> before,
                                   const std::vector<std::string>& after);

// "58c22cfg set: nothing saved: the changes bring 2 new errors (--force
// saves them)" on standard error.
void PrintNothingSaved(std::string_view command, std::size_t newErrors);

} // namespace k7r::cli
