#pragma once

#include "config/hal_struct.h"
#include "containers/image_source.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

namespace k7r::containers {

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
    std::uint64_t offset;
    HAL_STRUCT record;
};
// Where bytes go piece after piece; false when they could not be taken,
// which ends the writing.
using ByteSink = std::function<bool(std::span<const std::uint8_t> piece)>;
// Where a rewrite puts the file it makes, in order: bytes it made, or a
// stretch of the old file's bytes as they are. Each call is false when
// the bytes could not be taken, which ends the rewrite.
class RewriteSink {
  public:
    virtual bool Put(std::span<const std::uint8_t> bytes) = 0;
    virtual bool Copy(std::uint64_t offset, std::uint64_t length) = 0;

  protected:
    ~RewriteSink() = default;
};
// A file written anew. It is made as it is written, from the image the
// change was worked out from, so that a large file is never held in
// memory; false when out refused it or the image could not be read again.
struct ImageRewrite {
    std::function<bool(const ImageSource& image, RewriteSink& out)> write;
};
using ImageChange = std::variant<RecordPatch, ImageRewrite>;

// Finds the one record in a file image. Sets message first to "no
// configuration data", and on kRecordRefused to the reason. On kRecordFound
// the record's 856 bytes, as stored, go to destination when it is not null.
using LocateRecord = int (*)(HAL_STRUCT* destination, const ImageSource& image, bool verify,
                             std::string_view& message);

// Makes the record that a save writes from the one the file holds, both as
// stored: in the file's byte order, its Crc filled in.
using MakeOutgoing = std::function<HAL_STRUCT(const HAL_STRUCT& stored)>;

// Locates the record as the kind's locate operation does, without checking
// its Crc, and works out how to put the outgoing record made from it in its
// place. Returns the locate result; change is set on kRecordFound only.
using WriteRecord = int (*)(const ImageSource& image, const MakeOutgoing& outgoing,
                            ImageChange& change, std::string_view& message);

// The images a kind is asked about. Whether an image is S-record text is
// settled once, before any kind is asked (IsSrecText). A plain record never
// lies in such text: its byte-order mark holds the byte 12h, which is no
// text character.
enum class AskedAbout { AnyImage, SrecText, OtherImages };

struct ContainerKind {
    std::string_view name;
    AskedAbout asked;
    LocateRecord locate;
    WriteRecord write;
};

// The kinds in the order they are tried: the content decides, not the name.
std::span<const ContainerKind> ContainerKinds();

} // namespace k7r::containers
