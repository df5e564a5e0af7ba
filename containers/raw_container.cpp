#include "containers/raw_container.h"

#include "config/byte_order.h"
#include "config/record.h"
#include "containers/messages.h"

#include <cstring>

namespace k7r {
namespace {

std::uint16_t ReadU16(const std::uint8_t* p) {
    std::uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Sixteen bytes side by side; compilers turn operations on it into SIMD
// instructions where the target has them.
using Block = std::uint8_t __attribute__((vector_size(16)));
constexpr std::size_t kBlocksPerStep = 4;
constexpr std::size_t kStep = sizeof(Block) * kBlocksPerStep;

// Whether the marker's first two bytes start anywhere in the kStep offsets
// from p on (reading one byte beyond them).
bool MayHoldMarker(const std::uint8_t* p) {
    const auto first = static_cast<std::uint8_t>(HAL_ID_STRING[0]);
    const auto second = static_cast<std::uint8_t>(HAL_ID_STRING[1]);
    Block pairs{};
    for (std::size_t i = 0; i < kStep; i += sizeof(Block)) {
        Block here;
        Block next;
        std::memcpy(&here, p + i, sizeof here);
        std::memcpy(&next, p + i + 1, sizeof next);
        pairs |= (here == first) & (next == second);
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &pairs, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// Offsets at which the marker starts, in ascending order. The marker's first
// two bytes are looked for many offsets at a time: a byte pair is rare
// enough in any data that the full comparison seldom runs, which keeps the
// scan close to memory speed on large images.
template <typename Visit>
void ForEachMarker(std::span<const std::uint8_t> data, Visit visit) {
    if (data.size() <= HAL_RECORD_SIZE) {
        return;
    }
    const std::uint8_t* base = data.data();
    const std::size_t lastStart = data.size() - HAL_RECORD_SIZE - 1;
    // Every start offset up to lastStart has a record's length of data
    // behind it, so a step may read one byte past its last offset.
    const std::size_t stepsEnd = (lastStart + 1) / kStep * kStep;
    for (std::size_t step = 0; step < stepsEnd; step += kStep) {
        if (!MayHoldMarker(base + step)) {
            continue;
        }
        for (std::size_t offset = step; offset < step + kStep; ++offset) {
            if (std::memcmp(base + offset, HAL_ID_STRING, kMarkerLength) == 0 && !visit(offset)) {
                return;
            }
        }
    }
    for (std::size_t offset = stepsEnd; offset <= lastStart; ++offset) {
        if (std::memcmp(base + offset, HAL_ID_STRING, kMarkerLength) == 0 && !visit(offset)) {
            return;
        }
    }
}

} // namespace

int FindRecordRaw(HAL_STRUCT* destination, std::span<const std::uint8_t> data, bool verify,
                  std::string_view& message, std::size_t* recordOffset) {
    message = messages::kNoConfigData;
    int result = kNoRecord;
    bool accepted = false;
    std::size_t found = 0;

    ForEachMarker(data, [&](std::size_t offset) {
        const std::uint8_t* candidate = data.data() + offset;
        const std::uint16_t mark = ReadU16(candidate + offsetof(HAL_STRUCT, EndianMark));
        if (mark != HAL_ENDIAN_MARK && mark != kSwappedEndianMark) {
            return true;
        }
        const bool swapped = mark == kSwappedEndianMark;
        auto inRecordOrder = [swapped](std::uint16_t v) { return swapped ? Swap16(v) : v; };
        if (inRecordOrder(ReadU16(candidate + offsetof(HAL_STRUCT, Size))) != HAL_RECORD_SIZE) {
            if (!accepted) {
                result = kRecordRefused;
                message = messages::kBadStructSize;
            }
            return true;
        }
        if (accepted) {
            result = kRecordRefused;
            message = messages::kMultipleStructs;
            return false;
        }
        accepted = true;
        if (verify) {
            const std::uint16_t stored =
                inRecordOrder(ReadU16(candidate + offsetof(HAL_STRUCT, Crc)));
            if (ComputeRecordCrc(candidate) != stored) {
                result = kRecordRefused;
                message = stored == 0 ? messages::kNotConfigured : messages::kCorrupted;
                return true;
            }
        }
        found = offset;
        result = kRecordFound;
        return true;
    });

    if (result == kRecordFound) {
        if (destination != nullptr) {
            std::memcpy(destination, data.data() + found, HAL_RECORD_SIZE);
        }
        if (recordOffset != nullptr) {
            *recordOffset = found;
        }
    }
    return result;
}

int LocateRecordRaw(HAL_STRUCT* destination, std::span<const std::uint8_t> image, bool verify,
                    std::string_view& message) {
    return FindRecordRaw(destination, image, verify, message);
}

int WriteRecordRaw(const HAL_STRUCT& record, std::span<std::uint8_t> image, std::size_t& length,
                   std::string_view& message) {
    std::size_t offset = 0;
    const int result = FindRecordRaw(nullptr, image.first(length), false, message, &offset);
    if (result == kRecordFound) {
        std::memcpy(image.data() + offset, &record, HAL_RECORD_SIZE);
    }
    return result;
}

} // namespace k7r
