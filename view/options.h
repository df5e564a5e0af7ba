#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace k7r::view {

struct ViewerOptions {
    std::string imagePath;
    bool initializeRegisters = true;
    bool automatic = false;
    std::uint32_t automaticSeconds = 5;
};

// The command line, taken in order. Either options to run with, or the exit
// status after printing the usage text: 0 for /?, 1 for an unknown switch
// and for a missing or second image name.
struct ParsedArguments {
    std::optional<ViewerOptions> options;
    int usageStatus = 0;
};

ParsedArguments ParseArguments(std::span<const std::string_view> arguments);

} // namespace k7r::view
