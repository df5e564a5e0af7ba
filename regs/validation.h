#pragma once

#include <cstddef>
#include <string>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::regs {

// The configuration checked against the chip's rules. Each returns its
// messages in rule order, every one ending with "\n", cut to fit a buffer of
// `room` characters including its terminating NUL: the text is at most
// room - 1 characters long, and messages that no longer fit are dropped.
// Errors make the configuration unusable on the chip; warnings point at
// allowed but doubtful settings. Nothing is changed.
std::string ValidateErrors(config::WorkingConfig& config, std::size_t room);
std::string ValidateWarnings(config::WorkingConfig& config, std::size_t room);

} // namespace k7r::regs
