#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::regs {

// One message of a rule, ending with "\n", and the settings it names (none
// for a register's reserved bits), so that a picture can mark them.
struct Finding {
    std::string text;
    std::vector<std::uint32_t> settings;
};

// The configuration checked against the chip's rules, in rule order.
// Errors make the configuration unusable on the chip; warnings point at
// allowed but doubtful settings. Nothing is changed.
std::vector<Finding> ErrorFindings(config::WorkingConfig& config);
std::vector<Finding> WarningFindings(config::WorkingConfig& config);

// Their messages, cut to fit a buffer of `room` characters including its
// terminating NUL: the text is at most room - 1 characters long, and
// messages that no longer fit are dropped.
std::string ValidateErrors(config::WorkingConfig& config, std::size_t room);
std::string ValidateWarnings(config::WorkingConfig& config, std::size_t room);

} // namespace k7r::regs
