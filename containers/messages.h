#pragma once

#include <string_view>

// Why a file could not be opened or saved: the reasons shown to the user.
namespace k7r::messages {

inline constexpr std::string_view kNoConfigData =
    "The file does not contain any configuration data.";
inline constexpr std::string_view kBadStructSize =
    "The configuration data structure size is incorrect.";
inline constexpr std::string_view kMultipleStructs =
    "The file contains multiple configuration data structures.";
inline constexpr std::string_view kNotConfigured =
    "The file has not yet been configured by this application.";
inline constexpr std::string_view kCorrupted = "The file contains corrupted configuration data.";
inline constexpr std::string_view kUnsupportedType = "The file type is not supported.";
inline constexpr std::string_view kZeroLength = "The specified file has a length of zero.";

} // namespace k7r::messages
