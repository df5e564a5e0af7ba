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

// Offsets of the first bytes that could start the marker, in ascending
// order. memchr skips ahead to each candidate first byte, which keeps the
// scan close to memory speed on large images.
template <typename Visit>
void ForEachMarker(std::span<const std::uint8_t> data, Visit visit) {
    if (data.size() <= HAL_RECORD_SIZE) {
        return;
    }
    const std::uint8_t* base = data.data();
    const std::size_t lastStart = data.size() - HAL_RECORD_SIZE - 1;
    std::size_t offset = 0;
    while (offset <= lastStart) {
        const void* hit = std::memchr(base + offset, HAL_ID_STRING[0], lastStart - offset + 1);
        if (hit == nullptr) {
            return;
        }
        offset = static_cast<const std::uint8_t*>(hit) - base;
        if (std::memcmp(base + offset, HAL_ID_STRING, kMarkerLength) == 0 && !visit(offset)) {
            return;
        }
        ++offset;
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
