#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Palm resource databases (".PRC"). All numbers are big-endian.
namespace k7r::containers::prc {

// Database header:
//    0  name, 32 bytes, NUL-terminated
//   60  database type, 4 characters: "appl" or "HACK"
//   76  number of resources, 2 bytes
//   78  resource entries, 10 bytes each: type (4 characters), id (2),
//       offset of the resource's data from the start of the file (4)
inline constexpr std::size_t kNameSize = 32;
inline constexpr std::size_t kTypeOffset = 60;
inline constexpr std::size_t kResourceCountOffset = 76;
inline constexpr std::size_t kEntriesOffset = 78;
inline constexpr std::size_t kEntrySize = 10;
inline constexpr std::size_t kEntryDataOffset = 6;
inline constexpr std::string_view kDatabaseTypes[] = {"appl", "HACK"};
inline constexpr std::string_view kDataResourceType = "data";

// The "data" resource, which holds the application's initialised globals:
//   leading value (4), adjusted by the change of the resource's length
//   three sections, each: offset value (4), codes ending with the code 0
//   trailing part, kept as it is
inline constexpr int kSectionCount = 3;
inline constexpr std::size_t kLeadingValueSize = 4;
inline constexpr std::size_t kSectionOffsetSize = 4;
inline constexpr std::size_t kMaxSectionSize = 65536;
inline constexpr std::size_t kMaxResourceSize = 65536;

// Appended to the database name on save: "-" and the record's Crc.
inline constexpr std::size_t kNameSuffixLength = 5;

constexpr std::uint16_t ReadBig16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

constexpr std::uint32_t ReadBig32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

constexpr void WriteBig32(std::uint8_t* p, std::uint32_t value) {
    p[0] = static_cast<std::uint8_t>(value >> 24);
    p[1] = static_cast<std::uint8_t>(value >> 16);
    p[2] = static_cast<std::uint8_t>(value >> 8);
    p[3] = static_cast<std::uint8_t>(value);
}

} // namespace k7r::containers::prc
