#pragma once

#include <string_view>

// Why a file could not be opened or saved: the reasons shown to the user.
namespace k7r::containers::messages {

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
inline constexpr std::string_view kChangedOnDisk =
    "The file was changed on disk after it was opened. Open it again, or use Save As to save "
    "into another file.";
inline constexpr std::string_view kNoLongerExists = "The file no longer exists.";

// S-record texts.
inline constexpr std::string_view kSrecCorrupted =
    "This S-Record file contains corrupted information.";
inline constexpr std::string_view kSrecBadCount = "The file contains an invalid record count.";
inline constexpr std::string_view kSrecRecordInText =
    "The configuration data of this S-Record file lies partly outside its data records.";
inline constexpr std::string_view kSrecTooLong =
    "The S-Record file would grow by more than 65536 bytes when rewritten.";

// PRC resource databases.
inline constexpr std::string_view kPrcNoDataResource =
    "The PRC file does not contain a DATA resource.";
inline constexpr std::string_view kPrcUndecodable = "The PRC file cannot be successfully decoded.";
inline constexpr std::string_view kPrcTooLarge =
    "The PRC file's data resource would grow beyond 65536 bytes when rewritten.";
inline constexpr std::string_view kPrcNameFull =
    "The PRC database name leaves no room for the configuration suffix.";

} // namespace k7r::containers::messages
