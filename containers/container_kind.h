#pragma once

#include "config/hal_struct.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace k7r {

// Writable space behind a file's end while it is mapped for a save, so that
// a kind can enlarge the file in place.
inline constexpr std::size_t kGrowthRoom = 65536;

// Results of a locate operation.
inline constexpr int kRecordFound = 1;
inline constexpr int kNoRecord = 0;
inline constexpr int kRecordRefused = -1;

// Finds the one record in a file image. Sets message first to "no
// configuration data", and on kRecordRefused to the reason. On kRecordFound
// the record's 856 bytes, as stored, go to destination when it is not null.
using LocateRecord = int (*)(HAL_STRUCT* destination, std::span<const std::uint8_t> image,
                             bool verify, std::string_view& message);

// Puts an outgoing record (already in the file's byte order, Crc filled in)
// in place of the one in the image. image spans the file's bytes and the
// growth room behind them; length is the file's length, and a kind that
// re-encodes the file reports the new one there. Returns the locate result.
using WriteRecord = int (*)(const HAL_STRUCT& record, std::span<std::uint8_t> image,
                            std::size_t& length, std::string_view& message);

struct ContainerKind {
    std::string_view name;
    LocateRecord locate;
    WriteRecord write;
};

// The kinds in the order they are tried: the content decides, not the name.
std::span<const ContainerKind> ContainerKinds();

} // namespace k7r
