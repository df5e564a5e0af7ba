#include "view/options.h"
#include "platform/ascii.h"

#include <algorithm>
#include <cctype>

namespace k7r::view {

namespace {

// The digits directly after "A"; none, or 0, gives 5 seconds. A number too
// large for the counter is taken as the largest one.
std::uint32_t AutomaticSeconds(std::string_view digits) {
    std::uint64_t seconds = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            break;
        }
        seconds = std::min<std::uint64_t>(seconds * 10 + (c - '0'), UINT32_MAX);
    }
    return seconds == 0 ? 5 : static_cast<std::uint32_t>(seconds);
}

// Switches start with a slash or a minus sign. A slash followed by a path
// with further slashes is an absolute POSIX path (and, under Wine, a
// Windows one), never a switch.
bool IsSwitch(std::string_view argument) {
    if (argument.starts_with('-')) {
        return true;
    }
    return argument.starts_with('/') && argument.find('/', 1) == std::string_view::npos;
}

} // namespace

ParsedArguments ParseArguments(std::span<const std::string_view> arguments) {
    ViewerOptions options;
    bool haveImage = false;
    for (std::string_view argument : arguments) {
        if (IsSwitch(argument)) {
            std::string_view name = argument.substr(1);
            if (platform::EqualsIgnoringCase(name, "noinit")) {
                options.initializeRegisters = false;
            } else if (!name.empty() && platform::AsciiLower(name[0]) == 'a') {
                options.automatic = true;
                options.automaticSeconds = AutomaticSeconds(name.substr(1));
            } else if (name == "?") {
                return {std::nullopt, 0};
            } else {
                return {std::nullopt, 1}; // a switch we do not know is a usage error
            }
        } else if (haveImage) {
            return {std::nullopt, 1};
        } else {
            options.imagePath = argument;
            haveImage = true;
        }
    }
    if (!haveImage) {
        return {std::nullopt, 1};
    }
    return {options, 0};
}

} // namespace k7r::view
