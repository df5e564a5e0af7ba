#pragma once

#include "config/hal_struct.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace k7r {

// How much a save may enlarge a file: a kind whose re-encoded file would
// grow by more refuses.
inline constexpr std::size_t kGrowthRoom = 65536;

// Results of a locate operation.
inline constexpr int kRecordFound = 1;
inline constexpr int kNoRecord = 0;
inline constexpr int kRecordRefused = -1;

// What a save does to a file, worked out apart from it; the file itself is
// only read.
//
// The record's new bytes over its old ones: the file keeps its length, and
// nothing else in it changes.
struct RecordPatch {
    std::size_t offset;
    HAL_STRUCT record;
};
// A file written anew: head, then the old file's bytes from resumeAt on.
struct ImageRewrite {
    std::vector<std::uint8_t> head;
    std::size_t resumeAt;
};
using ImageChange = std::variant<RecordPatch, ImageRewrite>;

// Finds the one record in a file image. Sets message first to "no
// configuration data", and on kRecordRefused to the reason. On kRecordFound
// the record's 856 bytes, as stored, go to destination when it is not null.
using LocateRecord = int (*)(HAL_STRUCT* destination, std::span<const std::uint8_t> image,
                             bool verify, std::string_view& message);

// Makes the record that a save writes from the one the file holds, both as
// stored: in the file's byte order, its Crc filled in.
using MakeOutgoing = std::function<HAL_STRUCT(const HAL_STRUCT& stored)>;

// Locates the record as the kind's locate operation does, without checking
// its Crc, and works out how to put the outgoing record made from it in its
// place. Returns the locate result; change is set on kRecordFound only.
using WriteRecord = int (*)(std::span<const std::uint8_t> image, const MakeOutgoing& outgoing,
                            ImageChange& change, std::string_view& message);

struct ContainerKind {
    std::string_view name;
    LocateRecord locate;
    WriteRecord write;
};

// The kinds in the order they are tried: the content decides, not the name.
std::span<const ContainerKind> ContainerKinds();

} // namespace k7r
